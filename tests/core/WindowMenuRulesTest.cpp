#include "core/XGAppMultiWindowRules.h"
#include <gtest/gtest.h>

using Rules = XGAppMultiWindowRules;

TEST(WindowMenuRules, TitlesFoldOnlyAsciiLettersAndPrefixComesFirst)
{
    struct Row {
        const char* first;
        const char* second;
    };
    // Each row is in order; the comparison must say so both ways round.
    const Row ordered[] = {
        {"Alpha", "alpha2"},
        {"alpha2", "beta"},
        {"Alp", "alpha"},
        // '_' (0x5F) lies between 'Z' and 'a': folding puts it after letters.
        {"zz", "_x"},
        // Signed characters: bytes above 0x7F come before ASCII.
        {"\xE9t\xE9", "a"},
        // ...but a prefix still comes first, whatever byte follows it.
        {"Report", "Report\xE9"},
        {"", "\x80"},
        {"Report\xE9", "Reporta"},
    };
    for (const Row& row : ordered) {
        EXPECT_LT(Rules::CompareTitles(row.first, row.second), 0) << row.first << " / " << row.second;
        EXPECT_GT(Rules::CompareTitles(row.second, row.first), 0) << row.second << " / " << row.first;
    }
    EXPECT_EQ(0, Rules::CompareTitles("ALPHA", "alpha"));
    EXPECT_EQ(0, Rules::CompareTitles("\xE9", "\xE9"));
}

TEST(WindowMenuRules, AttributesOrderBeforeTitlesAsSigned16Bit)
{
    EXPECT_LT(Rules::CompareWindows(0, "z", 1, "a"), 0);
    EXPECT_LT(Rules::CompareWindows(0x8000, "z", 0, "a"), 0);
    EXPECT_EQ(0, Rules::CompareWindows(3, "x", 3, "X"));
}

TEST(WindowMenuRules, FirstFreeTakesTheSmallestUnusedValue)
{
    const int16_t used[] = {1, 3, -1, 2};
    EXPECT_EQ(4, Rules::FirstFree(used, 4, 1, 9));
    const int16_t gap[] = {1, 3};
    EXPECT_EQ(2, Rules::FirstFree(gap, 2, 1, 9));
    const int16_t full[] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    EXPECT_EQ(-1, Rules::FirstFree(full, 9, 1, 9));
    EXPECT_EQ(0x7000, Rules::FirstFree(nullptr, 0, 0x7000, 0x7FFF));
}

TEST(WindowMenuRules, WindowsMenuNumbersAre12AndTheWindowItems)
{
    EXPECT_TRUE(Rules::IsWindowsMenuNumber(12));
    EXPECT_TRUE(Rules::IsWindowsMenuNumber(0x7000));
    EXPECT_TRUE(Rules::IsWindowsMenuNumber(0x7FFF));
    EXPECT_FALSE(Rules::IsWindowsMenuNumber(9));
    EXPECT_FALSE(Rules::IsWindowsMenuNumber(0x8000));
    EXPECT_FALSE(Rules::IsWindowItem(12));
}
