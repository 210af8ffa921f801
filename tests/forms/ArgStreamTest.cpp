#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "records/XGArgStream.h"

namespace {

XGArgStream Over(const std::vector<unsigned char>& bytes)
{
    return XGArgStream(bytes.data(), static_cast<long>(bytes.size()));
}

TEST(ArgStream, IntegersAreBigEndianAndSigned)
{
    struct Case {
        std::vector<unsigned char> bytes;
        long value;
    } cases[] = {
        { { 0x00, 0x00, 0x02, 0x80 }, 640 },
        { { 0xFF, 0xFF, 0xFF, 0xF2 }, -14 },
        { { 0x64, 0x6C, 0x6F, 0x67 }, 'dlog' },
        { { 0x80, 0x00, 0x00, 0x00 }, -2147483647L - 1 },
    };
    for (const Case& c : cases) {
        XGArgStream stream = Over(c.bytes);
        EXPECT_EQ(stream.ReadInteger(), c.value);
        EXPECT_EQ(stream.GetLength(), 0);
    }
}

TEST(ArgStream, NegativeOffsetKeepsItsValueInTheLow16Bits)
{
    std::vector<unsigned char> bytes = { 0xFF, 0xFF, 0xFF, 0xF2 };
    XGArgStream stream = Over(bytes);
    EXPECT_EQ(static_cast<short>(stream.ReadInteger()), -14);
}

TEST(ArgStream, BooleanIsTrueWhenEitherByteIsSet)
{
    struct Case {
        unsigned char first, second;
        bool value;
    } cases[] = { { 0x00, 0x00, false }, { 0xFF, 0xFF, true }, { 0x00, 0x01, true }, { 0x01, 0x00, true } };
    for (const Case& c : cases) {
        std::vector<unsigned char> bytes = { c.first, c.second };
        XGArgStream stream = Over(bytes);
        EXPECT_EQ(stream.ReadBoolean(), c.value) << int(c.first) << " " << int(c.second);
        EXPECT_EQ(stream.GetLength(), 0);
    }
}

TEST(ArgStream, ExhaustedStreamYieldsZeroAndFalseAndConsumesNothing)
{
    std::vector<unsigned char> bytes = { 0x12, 0x34, 0x56 };
    XGArgStream stream = Over(bytes);
    EXPECT_EQ(stream.ReadInteger(), 0);
    EXPECT_EQ(stream.GetLength(), 3);
    EXPECT_TRUE(stream.ReadBoolean());
    EXPECT_EQ(stream.GetLength(), 1);
    EXPECT_FALSE(stream.ReadBoolean());
    EXPECT_EQ(stream.GetLength(), 1);
    EXPECT_EQ(stream.GetData(), bytes.data() + 2);
}

TEST(ArgStream, StringsOccupyAnEvenNumberOfBytes)
{
    struct Case {
        std::string text;
        long size;
    } cases[] = { { "OK", 4 }, { "untitled", 10 }, { "Error", 6 }, { std::string(25, 'x'), 26 }, { "", 2 } };
    for (const Case& c : cases) {
        std::vector<unsigned char> bytes;
        bytes.push_back(static_cast<unsigned char>(c.text.size()));
        bytes.insert(bytes.end(), c.text.begin(), c.text.end());
        if (c.text.size() % 2 == 0)
            bytes.push_back(0);
        bytes.insert(bytes.end(), { 0x00, 0x00, 0x00, 0x07 });
        XGArgStream stream = Over(bytes);
        char out[256];
        stream.ReadString(out);
        EXPECT_EQ(std::string(out), c.text);
        EXPECT_EQ(stream.GetData(), bytes.data() + c.size) << c.text;
        EXPECT_EQ(stream.ReadInteger(), 7) << c.text;
    }
}

TEST(ArgStream, OkStringIsLengthTextAndPad)
{
    std::vector<unsigned char> bytes = { 0x02, 'O', 'K', 0x00 };
    XGArgStream stream = Over(bytes);
    char out[256];
    stream.ReadString(out);
    EXPECT_STREQ(out, "OK");
    EXPECT_EQ(stream.GetLength(), 0);
}

TEST(ArgStream, ShortStringKeepsWhatIsThereTerminatedAndConsumesTheRest)
{
    std::vector<unsigned char> bytes = { 0x0A, 'a', 'b', 'c' };
    XGArgStream stream = Over(bytes);
    char out[256];
    std::memset(out, 'Z', sizeof out);
    stream.ReadString(out);
    EXPECT_STREQ(out, "abc");
    EXPECT_EQ(stream.GetLength(), 0);
    EXPECT_EQ(stream.ReadInteger(), 0);
}

TEST(ArgStream, StringOfEvenLengthWithoutItsPadByteEndsTheStream)
{
    std::vector<unsigned char> bytes = { 0x02, 'h', 'i' };
    XGArgStream stream = Over(bytes);
    char out[256];
    stream.ReadString(out);
    EXPECT_STREQ(out, "hi");
    EXPECT_EQ(stream.GetLength(), 0);
}

TEST(ArgStream, ExhaustedStreamGivesAnEmptyString)
{
    XGArgStream stream(nullptr, 0);
    char out[256];
    std::memset(out, 'Z', sizeof out);
    stream.ReadString(out);
    EXPECT_STREQ(out, "");
}

TEST(ArgStream, LongestStringFillsTheBuffer)
{
    std::vector<unsigned char> bytes = { 0xFF };
    bytes.insert(bytes.end(), 255, 'q');
    XGArgStream stream = Over(bytes);
    char out[256];
    stream.ReadString(out);
    EXPECT_EQ(std::strlen(out), 255u);
    EXPECT_EQ(stream.GetLength(), 0);
}

TEST(ArgStream, NegativeLengthIsAnEmptyStream)
{
    std::vector<unsigned char> bytes = { 0x00, 0x00, 0x00, 0x05 };
    XGArgStream stream(bytes.data(), -4);
    EXPECT_EQ(stream.ReadInteger(), 0);
    EXPECT_EQ(stream.GetLength(), 0);
}

} // namespace
