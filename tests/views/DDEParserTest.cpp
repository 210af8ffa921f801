#include "views/XGDDEParser.h"

#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
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

struct Parsed {
    bool ok;
    std::vector<Seen> commands;
    bool operator==(const Parsed& o) const { return ok == o.ok && commands == o.commands; }
};

std::ostream& operator<<(std::ostream& out, const Parsed& p)
{
    out << (p.ok ? "ok" : "refused");
    for (const Seen& seen : p.commands) {
        out << " [" << seen.name;
        for (const std::string& arg : seen.args)
            out << " <" << arg << ">";
        out << "]";
    }
    return out;
}

Parsed Parse(const std::string& text)
{
    Parsed out{false, {}};
    out.ok = XGDDEParser::ParseDDEExecute(text.data(), text.size(), Collect, &out.commands);
    return out;
}

const Parsed kRefused{false, {}};

std::string Repeat(const std::string& piece, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += piece;
    return out;
}

struct ParseCase {
    std::string text;
    Parsed expected;
};

class DDECommandTable : public ::testing::TestWithParam<ParseCase> {};

TEST_P(DDECommandTable, YieldsTheCommandsInOrderOrRefusesTheWholeString)
{
    EXPECT_EQ(GetParam().expected, Parse(GetParam().text)) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Strings, DDECommandTable, ::testing::Values(
    ParseCase{"[open(\"C:\\a b.txt\")]", {true, {{"open", {"C:\\a b.txt"}}}}},
    ParseCase{"[open(\"say \"\"hi\"\".txt\")]", {true, {{"open", {"say \"hi\".txt"}}}}},
    ParseCase{"[EXIT]", {true, {{"EXIT", {}}}}},
    ParseCase{"[open()]", {true, {{"open", {}}}}},
    ParseCase{"[open]", {true, {{"open", {}}}}},
    ParseCase{"[open(a)][print(b,c)]", {true, {{"open", {"a"}}, {"print", {"b", "c"}}}}},
    ParseCase{"[open( a ,b)]", {true, {{"open", {" a ", "b"}}}}},
    ParseCase{"[open(\"a\" ,b)]", {true, {{"open", {"a", "b"}}}}},
    ParseCase{"[open(\"[open(x)]\")]", {true, {{"open", {"[open(x)]"}}}}},
    ParseCase{"[open(,x)]", {true, {{"open", {"", "x"}}}}},
    ParseCase{"[open(a) ]", {true, {{"open", {"a"}}}}},
    ParseCase{"[]", {true, {}}},
    ParseCase{"[(a)]", {true, {}}},
    ParseCase{"garbage", {true, {}}},
    ParseCase{"", {true, {}}},
    ParseCase{"\"[not(a)]\"[exit]", {true, {{"exit", {}}}}},
    ParseCase{"x [exit] y [exit]", {true, {{"exit", {}}, {"exit", {}}}}},
    // Not whole: nothing runs, not even the commands before the broken one.
    ParseCase{"[open(\"C:\\abc.txt)]", kRefused},
    ParseCase{"[exit][open(\"a,b", kRefused},
    ParseCase{"[open(\"a\"junk", kRefused},
    ParseCase{"[open(abc", kRefused},
    ParseCase{"[open(abc)", kRefused},
    ParseCase{"[open(abc]", kRefused},
    ParseCase{"[open(abc)x]", kRefused},
    ParseCase{"[op", kRefused},
    // Text after a closing quote, or brackets and quotes in an unquoted
    // argument: what the sender meant is not known, so nothing runs.
    ParseCase{"[open(\"a\"b\")]", kRefused},
    ParseCase{"[open(\"a\"junk,b)]", kRefused},
    ParseCase{"[open(\"a\" b)]", kRefused},
    ParseCase{"[open(\"a\"\"b\"x)]", kRefused},
    ParseCase{"[open([open(x)])]", kRefused},
    ParseCase{"[open(a(b)]", kRefused},
    ParseCase{"[open(a\"b)]", kRefused},
    ParseCase{"[open(a,[exit])]", kRefused},
    ParseCase{"[exit][open(a,", kRefused},
    // Too long for its buffer: refused rather than cut.
    ParseCase{"[open(" + std::string(259, 'a') + ")]", {true, {{"open", {std::string(259, 'a')}}}}},
    ParseCase{"[open(" + std::string(260, 'a') + ")]", kRefused},
    ParseCase{"[open(\"" + std::string(10000, 'a') + "\")]", kRefused},
    ParseCase{"[open(\"" + std::string(258, 'a') + "\"\"\")]", {true, {{"open", {std::string(258, 'a') + "\""}}}}},
    ParseCase{"[open(\"" + std::string(259, 'a') + "\"\"\")]", kRefused},
    // Paths are UTF-8 and their limit counts characters, not bytes.
    ParseCase{"[open(\"C:\\\xE6\x97\xA5\xE6\x9C\xAC\\\xCE\xA9mega \xF0\x9F\x98\x80.txt\")]",
              {true, {{"open", {"C:\\\xE6\x97\xA5\xE6\x9C\xAC\\\xCE\xA9mega \xF0\x9F\x98\x80.txt"}}}}},
    ParseCase{"[open(" + Repeat("\xE6\x97\xA5", 259) + ")]", {true, {{"open", {Repeat("\xE6\x97\xA5", 259)}}}}},
    ParseCase{"[open(" + Repeat("\xE6\x97\xA5", 260) + ")]", kRefused},
    ParseCase{"[open(\"" + Repeat("\xF0\x9F\x98\x80", 259) + "\")]", {true, {{"open", {Repeat("\xF0\x9F\x98\x80", 259)}}}}},
    ParseCase{"[open(\"" + Repeat("\xF0\x9F\x98\x80", 260) + "\")]", kRefused},
    ParseCase{"[exit][" + std::string(256, 'n') + "]", kRefused},
    ParseCase{"[" + std::string(255, 'n') + "]", {true, {{std::string(255, 'n'), {}}}}}));

TEST(DDEParser, KeepsTwentyArgumentsAndSkipsTheRest)
{
    std::string text = "[open(";
    for (int i = 0; i < 25; ++i)
        text += (i ? "," : "") + std::to_string(i);
    text += ")][exit]";
    Parsed parsed = Parse(text);
    EXPECT_TRUE(parsed.ok);
    ASSERT_EQ(2u, parsed.commands.size());
    ASSERT_EQ(20u, parsed.commands[0].args.size());
    EXPECT_EQ("0", parsed.commands[0].args.front());
    EXPECT_EQ("19", parsed.commands[0].args.back());
    EXPECT_EQ("exit", parsed.commands[1].name);
}

TEST(DDEParser, NeverReadsPastTheGivenSizeWithoutTerminator)
{
    // An exact-size heap block: ASan reports any read beyond it.
    const char source[] = "[open(\"abc\")]";
    std::vector<char> block(source, source + std::strlen(source));
    std::vector<Seen> out;
    EXPECT_TRUE(XGDDEParser::ParseDDEExecute(block.data(), block.size(), Collect, &out));
    ASSERT_EQ(1u, out.size());
    EXPECT_EQ((std::vector<std::string>{"abc"}), out[0].args);

    out.clear();
    EXPECT_FALSE(XGDDEParser::ParseDDEExecute(block.data(), 5, Collect, &out));
    EXPECT_TRUE(out.empty());
}

TEST(DDEParser, StopsAtTheFirstTerminatorWithinTheSize)
{
    const char text[] = "[exit]\0[open(a)]";
    auto out = std::vector<Seen>();
    EXPECT_TRUE(XGDDEParser::ParseDDEExecute(text, sizeof text, Collect, &out));
    ASSERT_EQ(1u, out.size());
    EXPECT_EQ("exit", out[0].name);
}

TEST(DDEParser, TellsUtf16BlocksFromByteBlocks)
{
    struct Case {
        std::string block;
        bool utf16;
    };
    const Case cases[] = {
        {std::string("[\0o\0p\0", 6), true},
        {std::string(" \0[\0", 4), true},
        {"[open(a)]", false},
        {std::string("[", 2), true},  // a lone "[" fails to parse either way
        {"", false},
        {std::string("\0\0", 2), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.utf16, XGDDEParser::IsUtf16Block(c.block.data(), c.block.size())) << c.block;
}

TEST(DDEParser, ComparesNamesWithoutCaseOfLettersOnly)
{
    EXPECT_TRUE(XGDDEParser::EqualNoCase("EXIT", "exit"));
    EXPECT_TRUE(XGDDEParser::EqualNoCase("oPeN", "open"));
    EXPECT_FALSE(XGDDEParser::EqualNoCase("open", "opened"));
    EXPECT_FALSE(XGDDEParser::EqualNoCase("@", "`"));
}

} // namespace
