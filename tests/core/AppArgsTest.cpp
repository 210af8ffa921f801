#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "core/XGAppArgs.h"

namespace {

std::vector<std::string> Split(const char* text)
{
    char buffer[kXGAppArgsBufferSize];
    char* args[kXGAppArgsMax];
    int count = XGSplitAppArgs(text, buffer, args);
    return std::vector<std::string>(args, args + count);
}

struct SplitCase {
    const char* text;
    std::vector<std::string> args;
};

class AppArgsSplitTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(AppArgsSplitTest, SplitsAsTheCommandLineRulesSay)
{
    EXPECT_EQ(GetParam().args, Split(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Lines, AppArgsSplitTest, ::testing::Values(
    SplitCase {"", {}},
    SplitCase {"   \t ", {}},
    SplitCase {"one", {"one"}},
    SplitCase {"a b  c", {"a", "b", "c"}},
    SplitCase {"\"a b\" c", {"a b", "c"}},
    SplitCase {"\"\" x", {"", "x"}},
    SplitCase {"x\"y z\"", {"x\"y", "z\""}},
    SplitCase {"\"open", {"open"}},
    SplitCase {"\"a\"b", {"a", "b"}},
    SplitCase {"tab\tsep\r\nline", {"tab", "sep", "line"}}));

TEST(AppArgsTest, NullLineHasNoArguments)
{
    EXPECT_TRUE(Split(nullptr).empty());
}

TEST(AppArgsTest, FortyArgumentsGiveTheFirstThirtyTwo)
{
    std::string line;
    for (int i = 0; i < 40; ++i)
        line += "a" + std::to_string(i) + " ";
    std::vector<std::string> args = Split(line.c_str());
    ASSERT_EQ(32u, args.size());
    EXPECT_EQ("a0", args.front());
    EXPECT_EQ("a31", args.back());
}

TEST(AppArgsTest, LineLongerThanTheBufferIsCutAt255Characters)
{
    std::string line = "first " + std::string(400, 'x') + " last";
    std::vector<std::string> args = Split(line.c_str());
    ASSERT_EQ(2u, args.size());
    EXPECT_EQ("first", args[0]);
    EXPECT_EQ(std::string(255 - 6, 'x'), args[1]);
}

TEST(AppArgsTest, QuotedArgumentCutByTheBufferStillCounts)
{
    std::string line = "\"" + std::string(300, 'q');
    std::vector<std::string> args = Split(line.c_str());
    ASSERT_EQ(1u, args.size());
    EXPECT_EQ(std::string(254, 'q'), args[0]);
}

TEST(AppArgsTest, LineIsCutAt255CharactersNeverInsideOne)
{
    // Japanese takes three bytes a character: 255 of them still fit whole.
    std::string kanji;
    for (int i = 0; i < 300; ++i)
        kanji += "\xE6\x97\xA5";
    std::vector<std::string> args = Split(("\"" + kanji + "\"").c_str());
    ASSERT_EQ(1u, args.size());
    EXPECT_EQ(kanji.substr(0, 254 * 3), args[0]);

    std::string mixed = "\"C:\\\xCE\xA9mega\\\xF0\x9F\x98\x80.txt\" \xD0\x96";
    args = Split(mixed.c_str());
    ASSERT_EQ(2u, args.size());
    EXPECT_EQ("C:\\\xCE\xA9mega\\\xF0\x9F\x98\x80.txt", args[0]);
    EXPECT_EQ("\xD0\x96", args[1]);
}

struct SkipCase {
    const char* line;
    const char* args;
};

TEST(AppArgsTest, SkipProgramNameLeavesWhatFollowsTheName)
{
    const SkipCase cases[] = {
        {"notes.exe a.txt", "a.txt"},
        {"\"C:\\\xE6\x97\xA5 x\\notes.exe\"  \"b c.txt\"", "\"b c.txt\""},
        {"\"unclosed name", ""},
        {"notes.exe", ""},
        {"notes.exe\t \tx", "x"},
        {"", ""},
    };
    for (const SkipCase& c : cases)
        EXPECT_STREQ(c.args, XGSkipProgramName(c.line)) << c.line;
    EXPECT_EQ(nullptr, XGSkipProgramName(nullptr));
}

}
