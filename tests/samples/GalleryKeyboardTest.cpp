// The Control Gallery from the keyboard, in this process: Tab and Shift+Tab
// reach every control in the order of the view IDs, Alt and a label's letter
// reach the field after the label, and the list shows a focus mark once the
// keyboard is in use.
#include "GalleryApp.h"
#include "controls/XGListControl.h"
#include "controls/XGListView.h"
#include "dialogs/XGDialog.h"
#include "dispatch/XGDispatch.h"
#include "dispatch/XGMessages.h"
#include "foundation/XGKeys.h"
#include "views/XGWindow.h"

#include "../support/TestWin32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

namespace {

class GalleryEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        testsupport::InitProcess();
        fApp = new GalleryApp();
    }
    void TearDown() override { delete fApp; }

private:
    GalleryApp* fApp = nullptr;
};
const auto* gEnvironment = ::testing::AddGlobalTestEnvironment(new GalleryEnvironment);

short FocusID()
{
    XGView* view = dynamic_cast<XGView*>(XGDispatch::GetFocus());
    return view ? view->GetViewID() : -1;
}

class GalleryKeys : public ::testing::Test {
protected:
    void SetUp() override
    {
        fWindow = GalleryApp::OpenGallery();
        ASSERT_NE(fWindow, nullptr);
        testsupport::Pump();
    }
    void TearDown() override
    {
        if (fWindow)
            fWindow->CloseWindow();
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message != WM_QUIT)
                DispatchMessageA(&msg);
        }
    }

    std::vector<short> Walk(unsigned short modifiers, int keys)
    {
        fWindow->SetFocus();
        std::vector<short> visited;
        for (int i = 0; i < keys; ++i) {
            XGDispatch::SendDispatch(kMsgKey, XGKeyArg(modifiers, kKeyTab), nullptr);
            visited.push_back(FocusID());
        }
        return visited;
    }

    XGDialog* fWindow = nullptr;
};

TEST_F(GalleryKeys, OpensWithTheFocusOnTheFirstControl)
{
    EXPECT_EQ(FocusID(), GalleryApp::kPushButton);
}

TEST_F(GalleryKeys, TabAndShiftTabReachEveryControlInViewIDOrderAndWrap)
{
    using G = GalleryApp;
    EXPECT_EQ(Walk(0, 8), (std::vector<short>{G::kPushButton, G::kCheckBox, G::kName, G::kPassword, G::kDigits,
                                              G::kList, G::kScrollBar, G::kPushButton}));
    EXPECT_EQ(Walk(kModShift, 8), (std::vector<short>{G::kScrollBar, G::kList, G::kDigits, G::kPassword,
                                                      G::kName, G::kCheckBox, G::kPushButton, G::kScrollBar}));
}

TEST_F(GalleryKeys, AltAndALabelsLetterReachTheFieldAfterTheLabel)
{
    struct Case {
        char letter;
        short field;
    };
    const Case cases[] = {{'n', GalleryApp::kName}, {'w', GalleryApp::kPassword}, {'d', GalleryApp::kDigits}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.letter);
        fWindow->SetFocus();
        XGDispatch::SendDispatch(kMsgMenuKey, XGKeyArg(kModAlt, static_cast<unsigned short>(c.letter)), nullptr);
        EXPECT_EQ(FocusID(), c.field);
    }
}

// The list draws itself; its mark comes with Tab and goes with the focus.
TEST_F(GalleryKeys, TheListShowsAFocusMarkOnlyWhileTabbedTo)
{
    auto* list = dynamic_cast<XGListControl*>(fWindow->FindViewByID(GalleryApp::kList));
    ASSERT_NE(list, nullptr);
    const tagRECT r = list->GetListView()->GetGlobalRect();
    auto edge = [&] {
        UpdateWindow(fWindow->GetHWND());
        std::vector<COLORREF> pixels;
        // The left column of the list's lines, where the mark runs.
        for (int v = r.top + 2; v < r.bottom - 2; ++v)
            pixels.push_back(testsupport::Pixel(fWindow->GetHWND(), r.left, v));
        return pixels;
    };
    const std::vector<COLORREF> plain = edge();
    Walk(0, 6);
    ASSERT_EQ(FocusID(), GalleryApp::kList);
    EXPECT_NE(edge(), plain);
    XGDispatch::SendDispatch(kMsgKey, XGKeyArg(0, kKeyTab), nullptr);
    EXPECT_EQ(edge(), plain);
}

}  // namespace
