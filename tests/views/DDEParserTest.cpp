#include "XGDDEParser.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

struct Seen {
    std::string name;
    std::vector<std::string> args;
    bool operator==(const Seen& o) const { return name == o.name && args == o.args; }
};

void Collect(const XGDDECommand& command, void* context)
{
    Seen seen{command.name, {}};
    for (int i = 0; i < command.argCount; ++i)
        seen.args.push_back(command.args[i]);
    static_cast<std::vector<Seen>*>(context)->push_back(seen);
}

std::vector<Seen> Parse(const std::string& text)
{
    std::vector<Seen> out;
    XGDDEParser::ParseDDEExecute(text.data(), text.size(), Collect, &out);
    return out;
}

struct ParseCase {
    const char* text;
    std::vector<Seen> expected;
};

class DDECommandTable : public ::testing::TestWithParam<ParseCase> {};

TEST_P(DDECommandTable, YieldsTheCommandsInOrder)
{
    EXPECT_EQ(GetParam().expected, Parse(GetParam().text)) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Strings, DDECommandTable, ::testing::Values(
    ParseCase{"[open(\"C:\\a b.txt\")]", {{"open", {"C:\\a b.txt"}}}},
    ParseCase{"[open(\"say \"\"hi\"\".txt\")]", {{"open", {"say \"hi\".txt"}}}},
    ParseCase{"[EXIT]", {{"EXIT", {}}}},
    ParseCase{"[open()]", {{"open", {}}}},
    ParseCase{"[open]", {{"open", {}}}},
    ParseCase{"[open(a)][print(b,c)]", {{"open", {"a"}}, {"print", {"b", "c"}}}},
    ParseCase{"[open( a ,b)]", {{"open", {" a ", "b"}}}},
    ParseCase{"[open(\"a\"junk,b)]", {{"open", {"a", "b"}}}},
    ParseCase{"[open(,x)]", {{"open", {"", "x"}}}},
    ParseCase{"[]", {}},
    ParseCase{"[(a)]", {}},
    ParseCase{"garbage", {}},
    ParseCase{"\"[not(a)]\"[exit]", {{"exit", {}}}},
    ParseCase{"[open(a", {{"open", {"a"}}}},
    ParseCase{"[open(\"a,b", {{"open", {"a,b"}}}},
    ParseCase{"[open(a]", {{"open", {"a"}}}},
    ParseCase{"[op", {{"op", {}}}},
    ParseCase{"x [exit] y [exit]", {{"exit", {}}, {"exit", {}}}}));

TEST(DDEParser, KeepsTwentyArgumentsAndSkipsTheRest)
{
    std::string text = "[open(";
    for (int i = 0; i < 25; ++i)
        text += (i ? "," : "") + std::to_string(i);
    text += ")][exit]";
    auto seen = Parse(text);
    ASSERT_EQ(2u, seen.size());
    ASSERT_EQ(20u, seen[0].args.size());
    EXPECT_EQ("0", seen[0].args.front());
    EXPECT_EQ("19", seen[0].args.back());
    EXPECT_EQ("exit", seen[1].name);
}

TEST(DDEParser, CutsLongNamesAndArgumentsToTheirBuffers)
{
    std::string name(400, 'n');
    std::string arg(1000, 'a');
    auto seen = Parse("[" + name + "(\"" + arg + "\"," + arg + ")][exit]");
    ASSERT_EQ(2u, seen.size());
    EXPECT_EQ(std::string(255, 'n'), seen[0].name);
    ASSERT_EQ(2u, seen[0].args.size());
    EXPECT_EQ(std::string(XGDDECommand::kArgSize - 1, 'a'), seen[0].args[0]);
    EXPECT_EQ(std::string(XGDDECommand::kArgSize - 1, 'a'), seen[0].args[1]);
    EXPECT_EQ("exit", seen[1].name);
}

TEST(DDEParser, NeverReadsPastTheGivenSizeWithoutTerminator)
{
    // An exact-size heap block: ASan reports any read beyond it.
    const char source[] = "[open(\"abc";
    std::vector<char> block(source, source + std::strlen(source));
    std::vector<Seen> out;
    XGDDEParser::ParseDDEExecute(block.data(), block.size(), Collect, &out);
    ASSERT_EQ(1u, out.size());
    EXPECT_EQ((std::vector<std::string>{"abc"}), out[0].args);

    out.clear();
    XGDDEParser::ParseDDEExecute(block.data(), 5, Collect, &out);
    ASSERT_EQ(1u, out.size());
    EXPECT_EQ("open", out[0].name);
    EXPECT_TRUE(out[0].args.empty());
}

TEST(DDEParser, StopsAtTheFirstTerminatorWithinTheSize)
{
    const char text[] = "[exit]\0[open(a)]";
    auto out = std::vector<Seen>();
    XGDDEParser::ParseDDEExecute(text, sizeof text, Collect, &out);
    ASSERT_EQ(1u, out.size());
    EXPECT_EQ("exit", out[0].name);
}

TEST(DDEParser, ComparesNamesWithoutCaseOfLettersOnly)
{
    EXPECT_TRUE(XGDDEParser::EqualNoCase("EXIT", "exit"));
    EXPECT_TRUE(XGDDEParser::EqualNoCase("oPeN", "open"));
    EXPECT_FALSE(XGDDEParser::EqualNoCase("open", "opened"));
    EXPECT_FALSE(XGDDEParser::EqualNoCase("@", "`"));
}

} // namespace
