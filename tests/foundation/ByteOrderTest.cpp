#include "XGByteOrder.h"
#include <gtest/gtest.h>

TEST(ByteOrder, SwapWordExchangesBytes) { EXPECT_EQ(0x3412, SwapWord(0x1234)); }
TEST(ByteOrder, SwapLongReversesBytes) { EXPECT_EQ(0x78563412u, SwapLong(0x12345678u)); }
