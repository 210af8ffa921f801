#include <gtest/gtest.h>

#include "../controls/KeboTestSupport.h"
#include "foundation/XGError.h"

using namespace kebotest;

namespace {

TEST(MultipleDocumentsWithoutMenu, AFrameThatCannotBeBuiltLeavesNothingBehind)
{
    EXPECT_THROW(TestApp app("No Menu"), XGError);
    EXPECT_EQ(nullptr, FindWindowA(_GMainClass, nullptr));
    EXPECT_EQ(nullptr, _GMainWindow);
    EXPECT_EQ(nullptr, _GMDIWindow);
    EXPECT_EQ(nullptr, XGAppCore::GetApplication());
    // The alert that reports the failure must find no quit waiting for its loop.
    MSG message;
    EXPECT_FALSE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

}  // namespace
