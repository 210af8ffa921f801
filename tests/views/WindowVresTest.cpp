// VRES 128, the start screen, built as a plain window tree: the window class
// 'dlog' and the launcher's 'hlp1' and 'ptb1' stand in as XGWindow and XGView,
// so every view shows its placeholder. The test writes what the screen shows
// to windows_vres128.bmp for a look by eye.
#include "WindowsTestSupport.h"

#include <cstdio>
#include <vector>

#include "forms/XGViewTemplate.h"
#include "forms/XGWindowFactory.h"
#include "forms/XGWindowTemplate.h"

namespace windowstest {
namespace {

// Lets the window system catch up (Wine hands drawing to the X server while
// the thread waits for messages) so that the capture shows what the user sees.
void PumpMessages()
{
    for (int round = 0; round < 10; ++round) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    }
}

// The whole screen, as a person at it sees it.
void SaveScreen(const char* path)
{
    const RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    testsupport::SaveScreen(screen, path);
}

class StartScreenTest : public WindowTest {
protected:
    static void SetUpTestSuite()
    {
        // Registered before the application's own, so these win.
        XGWindowTemplate<XGWindow>::Register('dlog');
        XGViewTemplate<XGView>::Register('view');
        XGViewTemplate<XGView>::Register('hlp1');
        XGViewTemplate<XGView>::Register('ptb1');
    }
};

TEST_F(StartScreenTest, StartScreenAppearsCentredWithItsButtonsWhereTheRecordsSay)
{
    const Metrics m = GetMetrics();
    XGWindow* window = XGWindowFactory::CreateFromResource(128, nullptr);
    ASSERT_NE(nullptr, window);
    const HWND hwnd = window->GetHWND();

    char title[256];
    window->GetTitle(title);
    EXPECT_STREQ("HalcyraInternational", title);
    EXPECT_TRUE(IsWindowVisible(hwnd));

    // A dialog-style window with no front window to centre on: centred on the screen.
    const long left = (m.screenW - 640) / 2;
    const long top = (m.screenH - 480) / 2;
    RECT frame;
    GetWindowRect(hwnd, &frame);
    EXPECT_EQ(left - m.frameW, frame.left);
    EXPECT_EQ(top - m.caption - m.frameH, frame.top);
    EXPECT_EQ(left + 640 + m.frameW, frame.right);
    EXPECT_EQ(top + 480 + m.frameH, frame.bottom);

    XGView* install = window->FindViewByID(1);
    XGView* exit = window->FindViewByID(2);
    ASSERT_NE(nullptr, install);
    ASSERT_NE(nullptr, exit);
    EXPECT_EQ(355, install->GetGlobalRect().left);
    EXPECT_EQ(402, install->GetGlobalRect().top);
    EXPECT_EQ(490, install->GetGlobalRect().right);
    EXPECT_EQ(457, install->GetGlobalRect().bottom);
    EXPECT_EQ(504, exit->GetGlobalRect().left);
    EXPECT_EQ(464, exit->GetGlobalRect().bottom);

    // The buttons are hidden until the splash is over; show them as the
    // installer view would, and let the window paint.
    install->ShowView();
    exit->ShowView();
    UpdateWindow(hwnd);

    HDC dc = GetDC(hwnd);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(face, GetPixel(dc, 480, 450));        // inside Install's placeholder
    EXPECT_EQ(face, GetPixel(dc, 630, 460));        // inside Exit's
    ReleaseDC(hwnd, dc);

    POINT origin = {0, 0};
    ClientToScreen(hwnd, &origin);
    std::printf("start screen: client origin %ld,%ld on a %dx%d screen, frame %ld,%ld-%ld,%ld\n", origin.x,
                origin.y, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), frame.left, frame.top,
                frame.right, frame.bottom);
    PumpMessages();
    SaveScreen("windows_vres128.bmp");
}

}  // namespace
}  // namespace windowstest
