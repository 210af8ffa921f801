#include <gtest/gtest.h>
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>
#include "VersionBlock.h"
#include "files/XGVersionInfo.h"

namespace {

std::vector<uint8_t> Sample()
{
    return VersionBlock::Resource({VersionBlock::String("CompanyName", "Halcyra"),
                                   VersionBlock::String("FileVersion", "1.1"),
                                   VersionBlock::String("ProductName", "KEBO")});
}

struct SizeCase {
    int16_t size;
    const char* text;
};

class VersionSizeTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(VersionSizeTest, CopiesAtMostSizeMinusOneCharactersAndATerminator)
{
    std::vector<uint8_t> block = Sample();
    char buffer[16];
    memset(buffer, '#', sizeof(buffer));
    EXPECT_TRUE(XGFindVersionString(block.data(), block.size(), "FileVersion", buffer, GetParam().size));
    EXPECT_STREQ(GetParam().text, buffer);
    EXPECT_EQ('#', buffer[GetParam().size]) << "wrote past the buffer";
}

INSTANTIATE_TEST_SUITE_P(Sizes, VersionSizeTest, ::testing::Values(
    SizeCase {1, ""}, SizeCase {2, "1"}, SizeCase {3, "1."}, SizeCase {4, "1.1"}, SizeCase {15, "1.1"}));

struct UnitsCase {
    const char* name;
    std::u16string value;
    int16_t size;
    std::string expected;
};

// The resource compiler stores UTF-16; the framework reads UTF-8, never a low byte
// of each unit, and never half a character at the buffer's end.
const UnitsCase kUnitsCases[] = {
    {"Greek", u"1.0 \u03B2", 16, "1.0 \xCE\xB2"},
    {"Japanese", u"\u7248 2", 16, "\xE7\x89\x88 2"},
    {"emoji", u"\U0001F680", 16, "\xF0\x9F\x9A\x80"},
    {"cut before a character that does not fit", u"\u65E5\u672C", 6, "\xE6\x97\xA5"},
    {"lone surrogate", u"a\xD800", 16, "a\xEF\xBF\xBD"},
};

TEST(VersionInfoTest, ValuesBeyondAsciiArriveAsWholeUtf8Characters)
{
    for (const UnitsCase& c : kUnitsCases) {
        std::vector<uint8_t> block = VersionBlock::Resource({VersionBlock::Units("FileVersion", c.value)});
        char buffer[16];
        memset(buffer, '#', sizeof(buffer));
        EXPECT_TRUE(XGFindVersionString(block.data(), block.size(), "FileVersion", buffer, c.size)) << c.name;
        EXPECT_EQ(c.expected, std::string(buffer)) << c.name;
    }
}

TEST(VersionInfoTest, KeyUnitsBeyondAsciiDoNotMatchTheirLowByte)
{
    // U+0146 has the low byte of 'F'.
    std::vector<uint8_t> block = VersionBlock::Resource({VersionBlock::String("FileVersion", "1")});
    std::vector<uint8_t> other = VersionBlock::Resource({VersionBlock::String("FileVersion", "1")});
    // The key's first unit sits right after the string block's three header words.
    const std::vector<uint8_t> key = {'F', 0, 'i', 0, 'l', 0, 'e', 0, 'V', 0};
    auto at = std::search(other.begin(), other.end(), key.begin(), key.end());
    ASSERT_NE(at, other.end());
    *(at + 1) = 0x01;
    char buffer[8] = "keep";
    EXPECT_TRUE(XGFindVersionString(block.data(), block.size(), "FileVersion", buffer, sizeof(buffer)));
    EXPECT_FALSE(XGFindVersionString(other.data(), other.size(), "FileVersion", buffer, sizeof(buffer)));
}

TEST(VersionInfoTest, MissingValueLeavesTheBufferUntouched)
{
    std::vector<uint8_t> block = VersionBlock::Resource({VersionBlock::String("CompanyName", "Halcyra"),
                                                         VersionBlock::String("FileVersionX", "9")});
    char buffer[8] = "keep";
    EXPECT_FALSE(XGFindVersionString(block.data(), block.size(), "FileVersion", buffer, sizeof(buffer)));
    EXPECT_STREQ("keep", buffer);
}

TEST(VersionInfoTest, ShorterKeyDoesNotMatch)
{
    std::vector<uint8_t> block = VersionBlock::Resource({VersionBlock::String("FileVer", "2")});
    char buffer[8] = "keep";
    EXPECT_FALSE(XGFindVersionString(block.data(), block.size(), "FileVersion", buffer, sizeof(buffer)));
}

TEST(VersionInfoTest, ZeroSizeBufferIsNotWritten)
{
    std::vector<uint8_t> block = Sample();
    char buffer[4] = "abc";
    EXPECT_TRUE(XGFindVersionString(block.data(), block.size(), "FileVersion", buffer, 0));
    EXPECT_STREQ("abc", buffer);
}

TEST(VersionInfoTest, CutBlocksAreNeverReadPastTheirEnd)
{
    std::vector<uint8_t> block = Sample();
    for (size_t size = 0; size < block.size(); ++size) {
        // A copy of exactly 'size' bytes, so that the sanitizer sees any overrun.
        std::vector<uint8_t> cut(block.begin(), block.begin() + size);
        char buffer[16] = "";
        bool found = XGFindVersionString(cut.data(), cut.size(), "FileVersion", buffer, sizeof(buffer));
        if (found)
            EXPECT_EQ(0, std::string("1.1").find(buffer)) << size;
    }
}

TEST(VersionInfoTest, ChildOfZeroLengthEndsTheWalk)
{
    std::vector<uint8_t> block = Sample();
    // The first string of the table starts after root (40 + 52), string info (36) and table (24) headers.
    size_t first = 92 + 36 + 24;
    ASSERT_EQ('C', block[first + 6]);
    block[first] = 0;
    block[first + 1] = 0;
    char buffer[8] = "keep";
    EXPECT_FALSE(XGFindVersionString(block.data(), block.size(), "FileVersion", buffer, sizeof(buffer)));
}

}
