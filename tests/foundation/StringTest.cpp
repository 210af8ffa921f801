#include <gtest/gtest.h>
#include <string>
#include "foundation/XGString.h"

TEST(XGString, CapacityIsTextWithTerminatorRaisedTo64)
{
    const struct {
        size_t length;
        int16_t alloc;
    } cases[] = {{0, 64}, {63, 64}, {64, 128}, {127, 128}, {128, 192}};
    for (const auto& c : cases) {
        XGString text;
        std::string value(c.length, 'q');
        text = value.c_str();
        EXPECT_EQ(c.alloc, text.GetAlloc()) << "length " << c.length;
        EXPECT_EQ(value, text.Get());
    }
}

TEST(XGString, ShrinkingAcrossMultipleOf64Reallocates)
{
    XGString text;
    text = std::string(100, 'a').c_str();
    text = "short";
    EXPECT_EQ(64, text.GetAlloc());
    EXPECT_STREQ("short", text.Get());
}

TEST(XGString, NullEmptiesAndGetNeverReturnsNull)
{
    XGString text;
    EXPECT_STREQ("", text.Get());
    text = "path";
    text = nullptr;
    EXPECT_EQ(0, text.GetAlloc());
    ASSERT_NE(nullptr, text.Get());
    EXPECT_STREQ("", text.Get());
}

TEST(XGString, AssigningItsOwnTextKeepsIt)
{
    XGString text;
    text = std::string(70, 'b').c_str();
    text = text.Get() + 10; // 60 characters from inside the old buffer
    EXPECT_EQ(std::string(60, 'b'), text.Get());
}

TEST(XGString, TextBeyondSixteenBitCapacityIsCut)
{
    XGString text;
    text = std::string(40000, 'c').c_str();
    EXPECT_GT(text.GetAlloc(), 0);
    EXPECT_EQ(size_t(text.GetAlloc()) - 1, std::string(text.Get()).size());
}
