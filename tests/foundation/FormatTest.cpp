#include <gtest/gtest.h>
#include <climits>
#include <string>
#include "foundation/XGResource.h"

namespace {

const unsigned char kPascalHello[] = {5, 'H', 'e', 'l', 'l', 'o', '!'};

struct FormatCase {
    const char* tmpl;
    std::vector<XGArg> args;
    const char* expected;
};

XGArg Str(const char* s)
{
    return reinterpret_cast<XGArg>(s);
}

std::string Formatted(const char* tmpl, const std::vector<XGArg>& args)
{
    char out[512];
    XGFormat(out, sizeof out, tmpl, args.data(), int(args.size()));
    return out;
}

} // namespace

TEST(XGFormat, ReplacesPlaceholdersAndCopiesEverythingElse)
{
    const FormatCase cases[] = {
        {"#I", {XGArg(0x41000042)}, "A..B"},
        {"'#I'#L", {XGArg('view'), 128}, "'view'128"},
        {"#I", {XGArg(0x7F20197E)}, ". .~"},
        {"#X", {255}, "000000FF"},
        {"#X", {XGArg(uint32_t(0xDEADBEEF))}, "DEADBEEF"},
        {"#L", {-12}, "-12"},
        {"#L", {0}, "0"},
        {"#L", {XGArg(INT32_MIN)}, "-2147483648"},
        {"#L", {XGArg(uint32_t(0xFFFFFFFF))}, "-1"}, // a 32-bit value: only the low half counts
        {"#S", {Str("text")}, "text"},
        {"#P", {Str(reinterpret_cast<const char*>(kPascalHello))}, "Hello"},
        {"#2S/#1S", {Str("a"), Str("b")}, "b/a"},
        {"#1S #S", {Str("a"), Str("b")}, "a b"},
        {"#2S #S", {Str("a"), Str("b"), Str("c")}, "b c"},
        {"#S#S#S", {Str("x"), Str("y"), Str("z")}, "xyz"},
        {"100#", {}, "100#"},
        {"50##", {}, "50##"},
        {"#0 #Z #s", {}, "#0 #Z #s"},
        {"#1Z", {}, "#Z"},
        {"#1", {}, "#1"},
        {"no placeholders", {}, "no placeholders"},
        {"Internal software error (#1S) at #2S #3L", {Str("index >= 0"), Str("XGArray"), 90},
            "Internal software error (index >= 0) at XGArray 90"},
    };
    for (const FormatCase& c : cases)
        EXPECT_EQ(c.expected, Formatted(c.tmpl, c.args)) << "template " << c.tmpl;
}

TEST(XGFormat, MissingArgumentShowsNothing)
{
    EXPECT_EQ("[] []", Formatted("[#2S] [#L]", {}));
    EXPECT_EQ("<>", Formatted("<#S>", {0})); // a null string pointer prints nothing
}

TEST(XGFormat, CutsAtBufferEndAndTerminates)
{
    const std::string longPath(300, 'p');
    const XGArg args[] = {Str(longPath.c_str())};
    char out[16];
    memset(out, '*', sizeof out);
    EXPECT_EQ(9u, XGFormat(out, 10, "File #1S", args, 1));
    EXPECT_EQ(std::string("File pppp"), out);
    EXPECT_EQ('*', out[10]);
    out[0] = '*';
    EXPECT_EQ(0u, XGFormat(out, 0, "#S", args, 1));
    EXPECT_EQ('*', out[0]);
}

TEST(XGFormatArgCount, IsHighestPositionUsedAtMostNine)
{
    const struct {
        const char* tmpl;
        int count;
    } cases[] = {{"plain", 0}, {"#S", 1}, {"#2S #1S", 2}, {"#3L", 3}, {"#S #S #9X", 9}, {"#9S #S #S", 9},
        {"## #0 #1Z", 0}, {"#I#I#I#I#I#I#I#I#I#I#I", 9}};
    for (const auto& c : cases)
        EXPECT_EQ(c.count, XGFormatArgCount(c.tmpl)) << c.tmpl;
}

TEST(yformat, ReadsPointerSizedArgumentsUpToHighestPosition)
{
    char out[128];
    yformat(out, "#3L-#1S-#2X", Str("first"), XGArg(0xAB), XGArg(-7));
    EXPECT_STREQ("-7-first-000000AB", out);
    yformat(out, "'#I'#L", XGArg('dlog'), XGArg(128));
    EXPECT_STREQ("'dlog'128", out);
}
