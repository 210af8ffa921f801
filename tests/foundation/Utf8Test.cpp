#include <gtest/gtest.h>

#include <string>

#include "foundation/XGUtf8.h"

namespace {

struct DecodeCase {
    const char* name;
    std::string bytes;
    std::u16string utf16;  // what the bytes read as
};

// Every length of sequence, and each way a sequence can be ill-formed; one U+FFFD
// per maximal ill-formed subpart.
const DecodeCase kDecodeCases[] = {
    { "ascii", "abc", u"abc" },
    { "two bytes", "caf\xC3\xA9", u"caf\u00E9" },
    { "three bytes", "\xE2\x98\x95", u"\u2615" },
    { "four bytes, a surrogate pair", "\xF0\x9F\x98\x80", u"\U0001F600" },
    { "highest code point", "\xF4\x8F\xBF\xBF", u"\U0010FFFF" },
    { "cut three-byte sequence at the end", "cafe \xE2\x98", u"cafe \uFFFD" },
    { "cut four-byte sequence then ascii", "\xF0\x9F\x98" "a", u"\uFFFDa" },
    { "stray continuation bytes", "\x80\xBF", u"\uFFFD\uFFFD" },
    { "overlong two bytes", "\xC0\xAF", u"\uFFFD\uFFFD" },
    { "overlong three bytes", "\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD" },
    { "overlong four bytes", "\xF0\x80\x80\xAF", u"\uFFFD\uFFFD\uFFFD\uFFFD" },
    { "encoded surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD" },
    { "above U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD" },
    { "bytes that never occur", "\xFE\xFF", u"\uFFFD\uFFFD" },
    { "lead without continuation", "\xC3" "a", u"\uFFFDa" },
    { "embedded null", std::string("a\0b", 3), std::u16string(u"a\0b", 3) },
    { "empty", "", u"" },
};

TEST(Utf8Test, DecodesWellFormedTextAndReplacesEachIllFormedSubpart)
{
    for (const DecodeCase& c : kDecodeCases) {
        EXPECT_EQ(XGUtf8::ToUtf16(c.bytes), c.utf16) << c.name;
        size_t characters = 0;
        for (char16_t unit : c.utf16)
            characters += unit >= 0xDC00 && unit <= 0xDFFF ? 0 : 1;
        EXPECT_EQ(XGUtf8::CountCharacters(c.bytes.data(), c.bytes.size()), characters) << c.name;
    }
}

TEST(Utf8Test, ValidityFollowsTheDecoding)
{
    for (const DecodeCase& c : kDecodeCases) {
        bool replaced = c.utf16.find(u'\uFFFD') != std::u16string::npos;
        EXPECT_EQ(XGUtf8::IsValid(c.bytes), !replaced) << c.name;
        EXPECT_TRUE(XGUtf8::IsValid(XGUtf8::Repaired(c.bytes.data(), c.bytes.size()))) << c.name;
    }
    EXPECT_TRUE(XGUtf8::IsValid("\xEF\xBF\xBD"));  // U+FFFD itself
}

TEST(Utf8Test, RoundTripsThroughUtf16)
{
    const std::string text = "na\xC3\xAFve \xE2\x98\x95 \xCE\xA9mega \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD";
    EXPECT_EQ(XGUtf8::FromUtf16(XGUtf8::ToUtf16(text)), text);
}

TEST(Utf8Test, LoneSurrogatesFromTheSystemBecomeReplacementCharacters)
{
    const char16_t high_then_ascii[] = { 0xD83D, u'a' };
    const char16_t low_alone[] = { 0xDE00 };
    const char16_t high_at_end[] = { u'x', 0xD83D };
    const char16_t reversed_pair[] = { 0xDE00, 0xD83D };
    EXPECT_EQ(XGUtf8::FromUtf16(high_then_ascii, 2), "\xEF\xBF\xBD" "a");
    EXPECT_EQ(XGUtf8::FromUtf16(low_alone, 1), "\xEF\xBF\xBD");
    EXPECT_EQ(XGUtf8::FromUtf16(high_at_end, 2), "x\xEF\xBF\xBD");
    EXPECT_EQ(XGUtf8::FromUtf16(reversed_pair, 2), "\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(Utf8Test, StepsByCharacterNeverInsideASequence)
{
    // c a f é(2) space ☕(3) 😀(4), a cut sequence, a and a stray continuation byte
    const std::string text = "caf\xC3\xA9 \xE2\x98\x95\xF0\x9F\x98\x80\xE2\x98" "a\x80";
    const size_t starts[] = { 0, 1, 2, 3, 5, 6, 9, 13, 15, 16, 17 };
    size_t offset = 0;
    for (size_t i = 1; i < std::size(starts); i++) {
        offset = XGUtf8::Next(text.data(), text.size(), offset);
        EXPECT_EQ(offset, starts[i]) << i;
    }
    for (size_t i = std::size(starts) - 1; i > 0; i--) {
        EXPECT_EQ(XGUtf8::Previous(text.data(), text.size(), starts[i]), starts[i - 1]) << i;
        EXPECT_TRUE(XGUtf8::IsBoundary(text.data(), text.size(), starts[i])) << i;
    }
    EXPECT_FALSE(XGUtf8::IsBoundary(text.data(), text.size(), 4));
    EXPECT_FALSE(XGUtf8::IsBoundary(text.data(), text.size(), 7));
    EXPECT_FALSE(XGUtf8::IsBoundary(text.data(), text.size(), 12));
    EXPECT_EQ(XGUtf8::Next(text.data(), text.size(), text.size()), text.size());
    EXPECT_EQ(XGUtf8::Previous(text.data(), text.size(), 0), 0u);
}

TEST(Utf8Test, AppendsEveryLengthAndRefusesWhatIsNotACharacter)
{
    std::string out;
    for (char32_t c : { char32_t(0x41), char32_t(0xE9), char32_t(0x65E5), char32_t(0x1F600),
             char32_t(0xD800), char32_t(0x110000) })
        XGUtf8::Append(out, c);
    EXPECT_EQ(out, "A\xC3\xA9\xE6\x97\xA5\xF0\x9F\x98\x80\xEF\xBF\xBD\xEF\xBF\xBD");
}

struct FitCase {
    const char* name;
    std::string text;
    size_t limit;
    size_t fits;
};

// Fixed buffers (titles, static texts, command lines) cut text where a character
// ends, never inside one.
const FitCase kFitCases[] = {
    { "all fits", "abc", 5, 3 },
    { "ascii cut at the limit", "abcdef", 4, 4 },
    { "cut before a two-byte character", "ab\xC3\xA9", 3, 2 },
    { "three-byte characters cut whole", "\xE6\x97\xA5\xE6\x9C\xAC", 5, 3 },
    { "limit right after a character", "\xE6\x97\xA5\xE6\x9C\xAC", 3, 3 },
    { "emoji kept out whole", "a\xF0\x9F\x98\x80", 4, 1 },
    { "stray continuation bytes count singly", "\x80\x80\x80", 2, 2 },
    { "limit zero", "\xC3\xA9", 0, 0 },
};

TEST(Utf8Test, FitBytesCutsOnlyAtCharacterBoundaries)
{
    for (const FitCase& c : kFitCases) {
        EXPECT_EQ(XGUtf8::FitBytes(c.text.data(), c.text.size(), c.limit), c.fits) << c.name;
        char buffer[16];
        ASSERT_LT(c.limit, sizeof buffer);
        EXPECT_EQ(XGUtf8::CopyFitting(c.text, buffer, c.limit + 1), c.fits) << c.name;
        EXPECT_EQ(std::string(buffer), c.text.substr(0, c.fits)) << c.name;
    }
}

} // namespace
