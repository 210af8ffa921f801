#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "controls/XGToolbarData.h"

namespace {

struct Item {
    int16_t icon;
    int16_t command;
    std::string help;
};

// The bytes of a "TMenu" resource as they are stored: big-endian numbers.
std::vector<char> Resource(const std::vector<Item>& items, int declared = -1)
{
    std::vector<char> bytes;
    auto word = [&](uint16_t value) {
        bytes.push_back(char(value >> 8));
        bytes.push_back(char(value & 0xFF));
    };
    word(uint16_t(declared < 0 ? items.size() : size_t(declared)));
    for (const Item& item : items) {
        word(uint16_t(item.icon));
        word(uint16_t(item.command));
        bytes.insert(bytes.end(), item.help.begin(), item.help.end());
        bytes.push_back(0);
    }
    return bytes;
}

const std::vector<Item> kThree = {{301, 1001, "Open"}, {0, 0, ""}, {-2, -300, "Save the file"}};

TEST(ToolbarData, PreparedItemsReadBackInNativeOrder)
{
    std::vector<char> bytes = Resource(kThree);
    const uint32_t size = uint32_t(bytes.size());
    ASSERT_EQ(3, XGToolbarData::Prepare(bytes.data(), size));
    EXPECT_EQ(3, XGToolbarData::GetLength(bytes.data(), size));
    char help[256];
    for (long i = 0; i < 3; ++i) {
        EXPECT_EQ(kThree[i].icon, XGToolbarData::GetItemIcon(bytes.data(), size, i)) << i;
        EXPECT_EQ(kThree[i].command, XGToolbarData::GetItemCommand(bytes.data(), size, i)) << i;
        XGToolbarData::GetItemHelp(bytes.data(), size, i, help, sizeof help);
        EXPECT_EQ(kThree[i].help, help) << i;
    }
}

TEST(ToolbarData, ItemOffsetsFollowTheHelpTexts)
{
    std::vector<char> bytes = Resource(kThree);
    const uint32_t size = uint32_t(bytes.size());
    XGToolbarData::Prepare(bytes.data(), size);
    // 2, then 4 + "Open" + 1, then 4 + "" + 1.
    EXPECT_EQ(2, XGToolbarData::GetItemOffset(bytes.data(), size, 0));
    EXPECT_EQ(11, XGToolbarData::GetItemOffset(bytes.data(), size, 1));
    EXPECT_EQ(16, XGToolbarData::GetItemOffset(bytes.data(), size, 2));
    EXPECT_EQ(-1, XGToolbarData::GetItemOffset(bytes.data(), size, 3));
    EXPECT_EQ(-1, XGToolbarData::GetItemOffset(bytes.data(), size, -1));
}

// Each resource is cut after the given number of bytes: only whole items are
// kept, and nothing is read past the cut (AddressSanitizer watches the copy).
TEST(ToolbarData, TruncatedResourceKeepsOnlyWholeItems)
{
    const std::vector<char> full = Resource(kThree);
    struct Case {
        size_t cut;
        uint16_t items;
    } cases[] = {{0, 0}, {1, 0}, {2, 0}, {5, 0}, {10, 0}, {11, 1}, {15, 1}, {16, 2}, {30, 2}, {full.size(), 3}};
    for (const Case& c : cases) {
        std::vector<char> cut(full.begin(), full.begin() + long(c.cut));
        char* data = cut.empty() ? nullptr : cut.data();
        EXPECT_EQ(c.items, XGToolbarData::Prepare(data, uint32_t(cut.size()))) << c.cut;
        EXPECT_EQ(c.items, XGToolbarData::GetLength(data, uint32_t(cut.size()))) << c.cut;
        EXPECT_EQ(0, XGToolbarData::GetItemCommand(data, uint32_t(cut.size()), c.items)) << c.cut;
    }
}

TEST(ToolbarData, CountLargerThanTheItemsIsLowered)
{
    std::vector<char> bytes = Resource(kThree, 500);
    EXPECT_EQ(3, XGToolbarData::Prepare(bytes.data(), uint32_t(bytes.size())));
}

TEST(ToolbarData, CountSmallerThanTheItemsLeavesTheRestUnread)
{
    std::vector<char> bytes = Resource(kThree, 1);
    const uint32_t size = uint32_t(bytes.size());
    EXPECT_EQ(1, XGToolbarData::Prepare(bytes.data(), size));
    EXPECT_EQ(0, XGToolbarData::GetItemCommand(bytes.data(), size, 1));
}

TEST(ToolbarData, LongHelpTextIsCutToTheBuffer)
{
    std::vector<char> bytes = Resource({{1, 2, std::string(300, 'x')}});
    const uint32_t size = uint32_t(bytes.size());
    XGToolbarData::Prepare(bytes.data(), size);
    char help[256];
    std::memset(help, '?', sizeof help);
    XGToolbarData::GetItemHelp(bytes.data(), size, 0, help, sizeof help);
    EXPECT_EQ(std::string(255, 'x'), help);
    char small[4];
    XGToolbarData::GetItemHelp(bytes.data(), size, 0, small, sizeof small);
    EXPECT_STREQ("xxx", small);
    XGToolbarData::GetItemHelp(bytes.data(), size, 5, help, sizeof help);
    EXPECT_STREQ("", help);
}

// Buttons 22 square, separators 11 wide.
TEST(ToolbarLayout, LowStripLaysButtonsOutLeftToRightCentred)
{
    std::vector<char> bytes = Resource(kThree);
    const uint32_t size = uint32_t(bytes.size());
    XGToolbarData::Prepare(bytes.data(), size);
    const tagRECT strip = {0, 0, 4096, 30};
    struct Case {
        long index;
        tagRECT expected;
    } cases[] = {{0, {2, 5, 24, 27}}, {1, {24, 5, 24, 5}}, {2, {35, 5, 57, 27}}};
    for (const Case& c : cases) {
        const tagRECT r = XGToolbarData::CalcButton(bytes.data(), size, strip, c.index);
        EXPECT_EQ(c.expected.left, r.left) << c.index;
        EXPECT_EQ(c.expected.top, r.top) << c.index;
        EXPECT_EQ(c.expected.right, r.right) << c.index;
        EXPECT_EQ(c.expected.bottom, r.bottom) << c.index;
    }
}

TEST(ToolbarLayout, NarrowStripLaysButtonsOutTopToBottom)
{
    std::vector<char> bytes = Resource(kThree);
    const uint32_t size = uint32_t(bytes.size());
    XGToolbarData::Prepare(bytes.data(), size);
    const tagRECT strip = {0, 0, 30, 400};
    const tagRECT first = XGToolbarData::CalcButton(bytes.data(), size, strip, 0);
    const tagRECT third = XGToolbarData::CalcButton(bytes.data(), size, strip, 2);
    EXPECT_EQ(4, first.left);
    EXPECT_EQ(2, first.top);
    EXPECT_EQ(4, third.left);
    EXPECT_EQ(2 + 22 + 11, third.top);
    EXPECT_EQ(third.top + 22, third.bottom);
}

TEST(ToolbarLayout, BlockWrapsAButtonThatWouldCrossTheRightMargin)
{
    std::vector<char> bytes = Resource({{1, 1, ""}, {1, 2, ""}, {1, 3, ""}, {1, 4, ""}});
    const uint32_t size = uint32_t(bytes.size());
    XGToolbarData::Prepare(bytes.data(), size);
    // After three buttons x is 68; a fourth would end at 90, past 80 - 3.
    const tagRECT block = {0, 0, 80, 100};
    const tagRECT third = XGToolbarData::CalcButton(bytes.data(), size, block, 2);
    const tagRECT fourth = XGToolbarData::CalcButton(bytes.data(), size, block, 3);
    EXPECT_EQ(46, third.left);
    EXPECT_EQ(1, third.top);
    EXPECT_EQ(2, fourth.left);
    EXPECT_EQ(23, fourth.top);
}

// The strip of a window at another DPI: buttons 22 units square, separators
// 11 wide, the gaps before and above them in units too. The strip is the
// 30-unit one above at the scale (its height scaled by the frame).
TEST(ToolbarLayout, ButtonsSeparatorsAndGapsScaleWithTheDpi)
{
    std::vector<char> bytes = Resource(kThree);
    const uint32_t size = uint32_t(bytes.size());
    XGToolbarData::Prepare(bytes.data(), size);
    struct Case {
        int dpi;
        int16_t button, separator;
        tagRECT first, separatorAt, third;
    } cases[] = {
        {96, 22, 11, {2, 5, 24, 27}, {24, 5, 24, 5}, {35, 5, 57, 27}},
        {120, 28, 14, {3, 5, 31, 33}, {31, 5, 31, 5}, {45, 5, 73, 33}},
        {144, 33, 17, {3, 8, 36, 41}, {36, 8, 36, 8}, {53, 8, 86, 41}},
        {192, 44, 22, {4, 10, 48, 54}, {48, 10, 48, 10}, {70, 10, 114, 54}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.button, XGToolbarData::ButtonSize(c.dpi)) << c.dpi;
        EXPECT_EQ(c.separator, XGToolbarData::SeparatorWidth(c.dpi)) << c.dpi;
        const tagRECT strip = {0, 0, 4096, int32_t(c.dpi * 30 / 96)};
        const tagRECT expected[] = {c.first, c.separatorAt, c.third};
        for (long index = 0; index < 3; ++index) {
            const tagRECT r = XGToolbarData::CalcButton(bytes.data(), size, strip, index, c.dpi);
            EXPECT_EQ(expected[index].left, r.left) << c.dpi << " " << index;
            EXPECT_EQ(expected[index].top, r.top) << c.dpi << " " << index;
            EXPECT_EQ(expected[index].right, r.right) << c.dpi << " " << index;
            EXPECT_EQ(expected[index].bottom, r.bottom) << c.dpi << " " << index;
        }
    }
}

// At 200 % a block of many buttons still wraps inside its right margin, and
// the rows step by the scaled button.
TEST(ToolbarLayout, BlockWrapsAtTheScaledMarginAt200Percent)
{
    std::vector<char> bytes = Resource({{1, 1, ""}, {1, 2, ""}, {1, 3, ""}, {1, 4, ""}});
    const uint32_t size = uint32_t(bytes.size());
    XGToolbarData::Prepare(bytes.data(), size);
    // After three buttons x is 4 + 3 * 44 = 136; a fourth would end at 180, past 160 - 6.
    const tagRECT block = {0, 0, 160, 200};
    const tagRECT third = XGToolbarData::CalcButton(bytes.data(), size, block, 2, 192);
    const tagRECT fourth = XGToolbarData::CalcButton(bytes.data(), size, block, 3, 192);
    EXPECT_EQ(92, third.left);
    EXPECT_EQ(2, third.top);
    EXPECT_EQ(4, fourth.left);
    EXPECT_EQ(46, fourth.top);
}

}  // namespace
