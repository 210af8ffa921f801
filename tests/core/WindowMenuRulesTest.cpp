#include "XGAppMultiWindowRules.h"
#include <gtest/gtest.h>

using Rules = XGAppMultiWindowRules;

TEST(WindowMenuRules, TitlesFoldOnlyAsciiLettersAndPrefixComesFirst)
{
    EXPECT_LT(Rules::CompareTitles("Alpha", "alpha2"), 0);
    EXPECT_LT(Rules::CompareTitles("alpha2", "beta"), 0);
    EXPECT_EQ(0, Rules::CompareTitles("ALPHA", "alpha"));
    EXPECT_GT(Rules::CompareTitles("alpha", "Alp"), 0);
    // '_' (0x5F) lies between 'Z' and 'a': folding puts it after letters.
    EXPECT_GT(Rules::CompareTitles("_x", "zz"), 0);
    // Signed characters: bytes above 0x7F come before ASCII.
    EXPECT_LT(Rules::CompareTitles("\xE9t\xE9", "a"), 0);
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
