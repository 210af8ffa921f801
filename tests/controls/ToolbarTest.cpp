// The tool bar view in a real strip window: buttons from a "TMenu" resource,
// their look following the status the dispatch chain gives, clicks sending
// menu commands and a tool tip while the pointer is over a button.
#include <gtest/gtest.h>

#include "ToolbarTestSupport.h"
#include "core/XGAppMultiWindow.h"
#include "dispatch/XGBroadcast.h"
#include "foundation/XGError.h"
#include "dispatch/XGGlobals.h"
#include "controls/XGPopWindow.h"
#include "controls/XGToolTip.h"
#include "controls/XGToolTipView.h"
#include "controls/XGToolbarView.h"
#include "dispatch/XGSystemDpi.h"
#include "views/XGDpiScale.h"
#include "views/XGWindowProc.h"

namespace toolbartest {
namespace {

const char kHostClass[] = "KeboToolbarTestHost";
const char kStripClass[] = "KeboToolbarTestStrip";
const int kHostLeft = 100, kHostTop = 100;

// Resource 128 in a strip 27 high: buttons at x 2 (Open, 1001), a separator
// at 24, 35 (Save, 1002) and 57 (Bold, 1003), all from y 3 to 25.
const POINT kOpen = {13, 14}, kSave = {46, 14}, kBold = {68, 14}, kBlank = {300, 14};
const COLORREF kRed = RGB(255, 0, 0);

class ToolbarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        StartProcess();
        static bool registered = false;
        if (!registered) {
            registered = true;
            WNDCLASSEXW wc = {};
            wc.cbSize = sizeof wc;
            wc.lpfnWndProc = DefWindowProcW;
            wc.hInstance = _GInstance;
            wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
            wc.lpszClassName = L"KeboToolbarTestHost";
            RegisterClassExW(&wc);
            wc.lpfnWndProc = _GToolBarWindowProc;
            wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
            wc.lpszClassName = L"KeboToolbarTestStrip";
            RegisterClassExW(&wc);
        }
        fApp = SharedApplication();
        fCommands = new CommandView;
        fCommands->SetFocus();
        fCommands->fEnabled = {1001, 1003};
        fCommands->fChecked = {1003};
        fHost = CreateWindowExA(0, kHostClass, "Host", WS_POPUP | WS_VISIBLE, kHostLeft, kHostTop, 400, 80, nullptr,
                                nullptr, _GInstance, nullptr);
        fTool = new XGToolbarView(128);
        _GToolView = fTool;
        fStrip = CreateWindowExA(0, kStripClass, "MyToolbar", WS_CHILD | WS_VISIBLE, 0, 0, 400, 27, fHost, nullptr,
                                 _GInstance, nullptr);
        Pump();
        XGWindow::ProcessMouseLeave();
    }
    void TearDown() override
    {
        ReleaseCapture();
        XGToolTip::CloseTip();
        DestroyWindow(fHost);  // the strip's destruction deletes the tool bar view
        EXPECT_EQ(nullptr, _GToolView);
        delete fCommands;
    }
    static void Post() { XGBroadcast::SendBroadcast('post', 0, nullptr); }
    void Send(UINT message, POINT at) { SendMessageA(fStrip, message, 0, MAKELPARAM(at.x, at.y)); }
    void Click(POINT at)
    {
        Send(WM_LBUTTONDOWN, at);
        Send(WM_LBUTTONUP, at);
    }
    COLORREF At(int x, int y) { return Pixel(fStrip, x, y); }

    TestCore* fApp = nullptr;
    CommandView* fCommands = nullptr;
    XGToolbarView* fTool = nullptr;
    HWND fHost = nullptr;
    HWND fStrip = nullptr;
};

TEST_F(ToolbarTest, ButtonsComeFromTheResourceWithTheStatesTheChainGives)
{
    ASSERT_EQ(4, fTool->GetToolLength());
    EXPECT_EQ(128, fTool->GetToolMenu());
    EXPECT_EQ(0, fTool->GetItemState(0));  // nothing asked yet
    Post();
    EXPECT_EQ(XGToolbarView::kStateEnabled, fTool->GetItemState(0));
    EXPECT_EQ(XGToolbarView::kStateSeparator, fTool->GetItemState(1));
    EXPECT_EQ(0, fTool->GetItemState(2));
    EXPECT_EQ(XGToolbarView::kStateEnabled | XGToolbarView::kStateChecked, fTool->GetItemState(3));

    // Enabled icons are drawn as they are (the checked one a pixel down and
    // right); the disabled one is not.
    EXPECT_EQ(kRed, At(kOpen.x, kOpen.y));
    EXPECT_EQ(kRed, At(57 + 4, 3 + 4));
    EXPECT_NE(kRed, At(57 + 3, 3 + 3));
    EXPECT_NE(RGB(0, 255, 0), At(kSave.x, kSave.y));
    // The strip's top edge in button shadow, then highlight.
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), At(200, 0));
    EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), At(200, 1));
}

TEST_F(ToolbarTest, ClickOnAnEnabledButtonSendsItsMenuCommand)
{
    Post();
    Click(kOpen);
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_EQ((std::vector<long>{1001}), fCommands->fCommands);
}

TEST_F(ToolbarTest, StatusFromTheChainDisablesAButton)
{
    Post();
    Click(kSave);   // 1002 is not enabled
    Click(kBlank);
    EXPECT_TRUE(fCommands->fCommands.empty());

    fCommands->fEnabled = {1001, 1002, 1003};
    Post();
    Click(kSave);
    fCommands->fEnabled = {1001, 1003};
    Post();
    Click(kSave);
    EXPECT_EQ((std::vector<long>{1002}), fCommands->fCommands);
}

TEST_F(ToolbarTest, StatusChangeRedrawsOnlyThatButton)
{
    Post();
    fCommands->fEnabled = {1001, 1002, 1003};
    // Black over every button: only a redrawn one loses it.
    HDC dc = GetDC(fStrip);
    RECT all = {0, 2, 100, 26};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(fStrip, dc);
    Post();
    EXPECT_EQ(RGB(0, 255, 0), At(kSave.x, kSave.y));
    EXPECT_EQ(RGB(0, 0, 0), At(kOpen.x, kOpen.y));
    EXPECT_EQ(RGB(0, 0, 0), At(kBold.x, kBold.y));

    dc = GetDC(fStrip);
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(fStrip, dc);
    Post();  // nothing changed: nothing drawn
    EXPECT_EQ(RGB(0, 0, 0), At(kSave.x, kSave.y));
}

TEST_F(ToolbarTest, DraggingOffBeforeTheReleaseSendsNothingAndBackOnSends)
{
    Post();
    Send(WM_LBUTTONDOWN, kOpen);
    ASSERT_EQ(fStrip, GetCapture());
    Send(WM_MOUSEMOVE, kBlank);
    Send(WM_LBUTTONUP, kBlank);
    EXPECT_TRUE(fCommands->fCommands.empty());

    Send(WM_LBUTTONDOWN, kOpen);
    Send(WM_MOUSEMOVE, kBlank);
    Send(WM_MOUSEMOVE, kOpen);
    Send(WM_LBUTTONUP, kBlank);  // released off the button, but it was back on it
    EXPECT_EQ((std::vector<long>{1001}), fCommands->fCommands);
}

TEST_F(ToolbarTest, HoveringOpensTheHelpTextBelowTheButtonAndLeavingClosesIt)
{
    Post();
    Send(WM_MOUSEMOVE, kOpen);
    EXPECT_EQ(0, fTool->GetHotItem());
    ASSERT_EQ(1, XGPopWindow::GetPopCount());
    ASSERT_NE(nullptr, XGToolTip::gPopView);
    EXPECT_STREQ("Open", XGToolTip::gPopView->GetText());
    RECT tip;
    GetWindowRect(XGToolTip::gPopWindow->GetHWND(), &tip);
    EXPECT_EQ(kHostLeft + 24, tip.left);   // the button's right edge
    EXPECT_EQ(kHostTop + 25, tip.top);     // and its bottom
    EXPECT_TRUE(IsWindowVisible(XGToolTip::gPopWindow->GetHWND()));

    Send(WM_MOUSEMOVE, kSave);  // a disabled button has its tip too
    EXPECT_EQ(2, fTool->GetHotItem());
    EXPECT_EQ(1, XGPopWindow::GetPopCount());
    EXPECT_STREQ("Save the file", XGToolTip::gPopView->GetText());

    Send(WM_MOUSEMOVE, kBlank);
    EXPECT_EQ(-1, fTool->GetHotItem());
    EXPECT_EQ(0, XGPopWindow::GetPopCount());

    Send(WM_MOUSEMOVE, kOpen);
    EXPECT_EQ(1, XGPopWindow::GetPopCount());
    XGWindow::ProcessMouseLeave();
    EXPECT_EQ(-1, fTool->GetHotItem());
    EXPECT_EQ(0, XGPopWindow::GetPopCount());
    EXPECT_EQ(nullptr, XGToolTip::gPopWindow);
}

TEST_F(ToolbarTest, PressClosesTheTip)
{
    Post();
    Send(WM_MOUSEMOVE, kOpen);
    ASSERT_EQ(1, XGPopWindow::GetPopCount());
    Send(WM_LBUTTONDOWN, kOpen);
    EXPECT_EQ(0, XGPopWindow::GetPopCount());
    Send(WM_LBUTTONUP, kOpen);
}

TEST_F(ToolbarTest, HoverOutlinesAPlainButtonAndLeavingKeepsACheckedOneSunken)
{
    Post();
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), light = GetSysColor(COLOR_BTNHIGHLIGHT),
                   face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(face, At(2, 3));
    Send(WM_MOUSEMOVE, kOpen);
    EXPECT_EQ(light, At(2, 3));   // raised
    Send(WM_MOUSEMOVE, kBold);
    EXPECT_EQ(face, At(2, 3));
    EXPECT_EQ(shadow, At(57, 3));  // checked: sunken, not outlined
    Send(WM_MOUSEMOVE, kBlank);
    EXPECT_EQ(shadow, At(57, 3));
}

TEST_F(ToolbarTest, SeparatorIsDrawnAsTwoLinesOnly)
{
    Post();
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), At(24 + 5, 14));
    EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), At(24 + 6, 14));
    // As a button its icon number 0, the system's error icon, would be drawn
    // at the strip's corner over the first button.
    EXPECT_EQ(kRed, At(kOpen.x, kOpen.y));
    for (int x = 24 + 7; x < 35; ++x)
        for (int y = 4; y < 25; ++y)
            ASSERT_EQ(GetSysColor(COLOR_BTNFACE), At(x, y)) << x << "," << y;
}

// The strip shown at another scale (its window's DPI): buttons, separators
// and icons take their scaled sizes, the 16-pixel icon made at its scaled
// size from the resource.
TEST_F(ToolbarTest, AtEachScaleButtonsSeparatorsAndIconsTakeTheirScaledSizes)
{
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), light = GetSysColor(COLOR_BTNHIGHLIGHT);
    struct EndTestDpi {
        ~EndTestDpi() { XGSystemDpi::SetTestDpi(0); }
    } endTestDpi;
    for (int dpi : {120, 144, 192}) {
        const int old = fTool->GetDpi();
        XGSystemDpi::SetTestDpi(dpi);
        ASSERT_EQ(dpi, fTool->GetDpi());
        fTool->DoDpiChanged(old, dpi);
        SetWindowPos(fStrip, nullptr, 0, 0, 400, int(XGDpiScale::Scale(27, dpi)), SWP_NOZORDER | SWP_NOMOVE);
        Post();
        InvalidateRect(fStrip, nullptr, TRUE);
        UpdateWindow(fStrip);
        const int button = int(XGDpiScale::Scale(22, dpi)), icon = int(XGDpiScale::Scale(16, dpi));
        const int inset = (button - icon) / 2;
        const tagRECT open = fTool->CalcButton(0);
        EXPECT_EQ(button, open.right - open.left) << dpi;
        EXPECT_EQ(button, open.bottom - open.top) << dpi;
        EXPECT_EQ(kRed, At(open.left + inset, open.top + inset)) << dpi;
        EXPECT_EQ(kRed, At(open.left + inset + icon - 1, open.top + inset + icon - 1)) << dpi;
        EXPECT_NE(kRed, At(open.left + inset + icon, open.top + inset + icon)) << dpi;
        const tagRECT separator = fTool->CalcButton(1);
        const tagRECT save = fTool->CalcButton(2);
        EXPECT_EQ(XGDpiScale::Scale(11, dpi), save.left - separator.left) << dpi;
        const int line = int(XGDpiScale::Scale(5, dpi)) + separator.left;
        const int middle = open.top + button / 2;
        EXPECT_EQ(shadow, At(line, middle)) << dpi;
        EXPECT_EQ(light, At(line + XGDpiScale::ScaleLine(1, dpi), middle)) << dpi;
        // A click in the scaled button's far corner is still that button.
        Click({open.right - 2, open.bottom - 2});
        ASSERT_FALSE(fCommands->fCommands.empty()) << dpi;
        EXPECT_EQ(1001, fCommands->fCommands.back()) << dpi;
    }
}

TEST_F(ToolbarTest, LoadingTheSameResourceAgainChangesNothing)
{
    Post();
    Send(WM_MOUSEMOVE, kOpen);
    fTool->ChangeToolMenu(128);
    EXPECT_EQ(0, fTool->GetHotItem());
    EXPECT_EQ(1, XGPopWindow::GetPopCount());
    EXPECT_EQ(XGToolbarView::kStateEnabled, fTool->GetItemState(0));

    fTool->ChangeToolMenu(129);
    EXPECT_EQ(129, fTool->GetToolMenu());
    EXPECT_EQ(1, fTool->GetToolLength());
    EXPECT_EQ(-1, fTool->GetHotItem());
    EXPECT_EQ(0, XGPopWindow::GetPopCount());
    EXPECT_EQ(0, fTool->GetItemState(0));
}

TEST_F(ToolbarTest, ChangingTheResourceDuringAPressSendsNothing)
{
    Post();
    Send(WM_LBUTTONDOWN, kOpen);
    fTool->ChangeToolMenu(129);
    Send(WM_LBUTTONUP, kOpen);
    EXPECT_TRUE(fCommands->fCommands.empty());
}

TEST_F(ToolbarTest, TruncatedResourceShowsOnlyItsWholeItems)
{
    fTool->ChangeToolMenu(130);
    EXPECT_EQ(1, fTool->GetToolLength());
    fCommands->fEnabled = {1005, 1006};
    Post();
    Click(kOpen);
    Click(kSave);  // where a second button would be
    EXPECT_EQ((std::vector<long>{1005}), fCommands->fCommands);
}

TEST_F(ToolbarTest, MissingResourceFailsItsAssertion)
{
    EXPECT_THROW(XGToolbarView view(999), XGError);
    EXPECT_THROW(fTool->ChangeToolMenu(998), XGError);
}

}  // namespace
}  // namespace toolbartest
