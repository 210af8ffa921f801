#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/XGUtf16Joiner.h"

namespace {

struct JoinCase {
    const char* name;
    std::u16string units;    // fed one at a time, as WM_CHAR brings them
    std::u32string expected; // the characters that come out, in order
};

const JoinCase kJoinCases[] = {
    { "ascii passes one by one", u"ab", U"ab" },
    { "a BMP character passes at once", u"\u03A9\u65E5", U"\u03A9\u65E5" },
    { "a surrogate pair becomes one character", u"\xD83D\xDE00", U"\U0001F600" },
    { "pairs in a row", u"\xD83D\xDE00\xD83C\xDF75", U"\U0001F600\U0001F375" },
    { "highest code point", u"\xDBFF\xDFFF", U"\U0010FFFF" },
    { "lone low surrogate is replaced", u"a\xDC00" "b", U"a\uFFFDb" },
    { "high followed by a BMP character", u"\xD83D" "x", U"\uFFFDx" },
    { "high followed by another pair", u"\xD83D\xD83D\xDE00", U"\uFFFD\U0001F600" },
    { "two lone highs then a low joins the second", u"\xD800\xD801\xDC00", U"\uFFFD\U00010400" },
    { "high followed by a null", std::u16string(u"\xD83D\0", 2), std::u32string(U"\uFFFD\0", 2) },
};

TEST(Utf16JoinerTest, JoinsSurrogatePairsAndReplacesLoneHalves)
{
    for (const JoinCase& c : kJoinCases) {
        XGUtf16Joiner joiner;
        std::u32string out;
        for (char16_t unit : c.units) {
            char32_t got[2];
            const size_t n = joiner.Feed(unit, got);
            ASSERT_LE(n, 2u) << c.name;
            out.append(got, n);
        }
        EXPECT_EQ(out, c.expected) << c.name;
        EXPECT_FALSE(joiner.IsWaiting()) << c.name;
    }
}

TEST(Utf16JoinerTest, HighSurrogateWaitsUntilResetForgetsIt)
{
    XGUtf16Joiner joiner;
    char32_t got[2];
    EXPECT_EQ(0u, joiner.Feed(0xD83D, got));
    EXPECT_TRUE(joiner.IsWaiting());
    joiner.Reset();
    EXPECT_FALSE(joiner.IsWaiting());
    // The low half alone is no character after the reset.
    ASSERT_EQ(1u, joiner.Feed(0xDE00, got));
    EXPECT_EQ(U'\uFFFD', got[0]);
}

} // namespace
