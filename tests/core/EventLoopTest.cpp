#include <gtest/gtest.h>
#include <functional>
#include "dispatch/XGEventLoop.h"
#include "foundation/XGError.h"

namespace {

// Windows and views are only compared here, never used: addresses of
// distinct objects stand for them.
struct Stand {
    char unused;
};
Stand gStands[4];
XGWindow* const kWindowA = reinterpret_cast<XGWindow*>(&gStands[0]);
XGWindow* const kWindowB = reinterpret_cast<XGWindow*>(&gStands[1]);
XGView* const kViewA = reinterpret_cast<XGView*>(&gStands[2]);
XGView* const kViewB = reinterpret_cast<XGView*>(&gStands[3]);

// A loop whose turn runs what the test gives it.
class TestLoop : public XGEventLoop {
public:
    const std::function<void()>* fTurn = nullptr;

protected:
    void RunTurn() override
    {
        if (fTurn)
            (*fTurn)();
    }
};

// Runs one turn of the loop, modal for window, doing work inside it.
void Turn(TestLoop& loop, XGWindow* window, const std::function<void()>& work)
{
    const std::function<void()>* outer = loop.fTurn;
    loop.fTurn = &work;
    loop.RunOnce(window);
    loop.fTurn = outer;
}

class CountedError : public XGError {
public:
    explicit CountedError(int* shown) : fShown(shown) {}
    void DisplayError() const override { ++*fShown; }
    void GetShortError(char* buffer) const override { buffer[0] = 0; }
    void GetLongError(char* buffer) const override { buffer[0] = 0; }

private:
    int* fShown;
};

TEST(EventLoop, NestedTurnsAreModalForTheInnermostWindowAndGiveTheOuterBack)
{
    TestLoop loop;
    XGWindow* inner = nullptr;
    XGWindow* afterInner = nullptr;
    Turn(loop, kWindowA, [&] {
        Turn(loop, kWindowB, [&] { inner = loop.GetModalWindow(); });
        afterInner = loop.GetModalWindow();
    });
    EXPECT_EQ(kWindowB, inner);
    EXPECT_EQ(kWindowA, afterInner);
    EXPECT_EQ(nullptr, loop.GetModalWindow());
    EXPECT_FALSE(loop.IsModalWindow());
}

struct ForgetCase {
    const char* name;
    bool forgetInner;           // else the outer turn's window
    XGWindow* duringInner;      // modal window right after the forgetting
    XGWindow* afterInner;       // modal window back in the outer turn
};

class EventLoopForget : public ::testing::TestWithParam<ForgetCase> {};

TEST_P(EventLoopForget, AWindowForgottenDuringATurnIsNeverHandedOutAgain)
{
    const ForgetCase& c = GetParam();
    TestLoop loop;
    XGWindow* during = kWindowA;
    XGWindow* after = kWindowA;
    Turn(loop, kWindowA, [&] {
        Turn(loop, kWindowB, [&] {
            loop.ForgetWindow(c.forgetInner ? kWindowB : kWindowA);
            during = loop.GetModalWindow();
        });
        after = loop.GetModalWindow();
    });
    EXPECT_EQ(c.duringInner, during);
    EXPECT_EQ(c.afterInner, after);
}

INSTANTIATE_TEST_SUITE_P(Turns, EventLoopForget,
    ::testing::Values(ForgetCase{"Inner", true, kWindowA, kWindowA},
                      ForgetCase{"Outer", false, kWindowB, nullptr}),
    [](const ::testing::TestParamInfo<ForgetCase>& info) { return info.param.name; });

// A modal turn whose window went is still a loop that something below it
// runs for: the turns inside it are inside a modal loop, the plain ones
// around it are not.
TEST(EventLoop, ATurnIsInsideAModalLoopWhileAnyModalTurnRunsEvenOneWhoseWindowWent)
{
    TestLoop loop;
    bool plain = true, modal = false, gone = false, plainInsideGone = false, after = true;
    Turn(loop, nullptr, [&] {
        plain = loop.IsInsideModalTurn();
        Turn(loop, kWindowA, [&] {
            modal = loop.IsInsideModalTurn();
            loop.ForgetWindow(kWindowA);
            gone = loop.IsInsideModalTurn();
            Turn(loop, nullptr, [&] { plainInsideGone = loop.IsInsideModalTurn(); });
        });
        after = loop.IsInsideModalTurn();
    });
    EXPECT_FALSE(plain);
    EXPECT_TRUE(modal);
    EXPECT_TRUE(gone);
    EXPECT_TRUE(plainInsideGone);
    EXPECT_FALSE(after);
}

TEST(EventLoop, AThrowingTurnIsShownAndLeavesTheOuterTurnModal)
{
    TestLoop loop;
    int shown = 0;
    XGWindow* after = nullptr;
    Turn(loop, kWindowA, [&] {
        Turn(loop, kWindowB, [&] { throw CountedError(&shown); });
        after = loop.GetModalWindow();
    });
    EXPECT_EQ(1, shown);
    EXPECT_EQ(kWindowA, after);
    EXPECT_EQ(nullptr, loop.GetModalWindow());
}

TEST(EventLoop, TheEventOwnerGoesWithItsWindowOnly)
{
    TestLoop loop;
    EXPECT_EQ(nullptr, loop.GetEventOwner());
    loop.SetEventOwner(kWindowA);
    loop.ForgetWindow(kWindowB);
    EXPECT_EQ(kWindowA, loop.GetEventOwner());
    loop.ForgetWindow(kWindowA);
    EXPECT_EQ(nullptr, loop.GetEventOwner());
}

TEST(EventLoop, TheCaptureIsReleasedWhenItsViewGoesEvenWithoutALoop)
{
    ASSERT_EQ(nullptr, XGEventLoop::GetLoop());
    XGEventLoop::gCaptureView = kViewA;
    XGEventLoop::ForgetView(kViewB);
    EXPECT_EQ(kViewA, XGEventLoop::gCaptureView);
    XGEventLoop::ForgetView(kViewA);
    EXPECT_EQ(nullptr, XGEventLoop::gCaptureView);
}

TEST(EventLoop, TheFirstLoopIsTheRunningOneUntilItGoes)
{
    EXPECT_EQ(nullptr, XGEventLoop::GetLoop());
    {
        TestLoop first;
        {
            TestLoop second;
            EXPECT_EQ(&first, XGEventLoop::GetLoop());
        }
        EXPECT_EQ(&first, XGEventLoop::GetLoop());
    }
    EXPECT_EQ(nullptr, XGEventLoop::GetLoop());
}

}  // namespace
