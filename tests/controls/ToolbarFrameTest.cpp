// The multiple-document frame builds its tool bar from "TMenu" 128 and lays
// the strip out above its client; it tells the bar the front window's menu.
#include <gtest/gtest.h>

#include "ToolbarTestSupport.h"
#include "../support/TestWin32.h"
#include "core/XGAppMultiWindow.h"
#include "dispatch/XGBroadcast.h"
#include "dispatch/XGGlobals.h"
#include "controls/XGToolbarView.h"

namespace toolbartest {
namespace {

class FrameApp : public XGAppMultiWindow {
public:
    explicit FrameApp(const char* title) : XGAppMultiWindow(title) {}
    void OpenCopyright() override {}
};

TEST(ToolbarFrame, FrameBuildsTheBarAndItsStripAboveTheClient)
{
    StartProcess();
    FrameApp* app = new FrameApp("Tool bar frame");
    app->SetFocus();
    ASSERT_NE(nullptr, _GMainWindow);
    XGToolbarView* tool = dynamic_cast<XGToolbarView*>(_GToolView);
    ASSERT_NE(nullptr, tool);
    EXPECT_EQ(128, tool->GetToolMenu());
    ASSERT_NE(nullptr, _GToolWindow);
    EXPECT_EQ(_GMainWindow, GetParent(_GToolWindow));
    EXPECT_EQ(_GToolWindow, tool->GetRootWindow());
    RECT strip, client;
    GetClientRect(_GToolWindow, &strip);
    GetClientRect(_GMainWindow, &client);
    EXPECT_EQ(27, strip.bottom);
    EXPECT_EQ(client.right, strip.right);
    // The client moved below the new strip shows its own background, not a
    // copy of the strip's pixels that lay over its top a moment before.
    Pump();
    RECT mdi;
    GetClientRect(_GMDIWindow, &mdi);
    EXPECT_EQ(GetSysColor(COLOR_APPWORKSPACE), Pixel(_GMDIWindow, mdi.right - 4, 4));

    // A front window with menu bar 129 switches the bar to that resource.
    XGSWindowInitRecord record = WindowRecord(200, 100);
    record.fMenuBar = 129;
    XGWindow* window = new XGWindow(record, nullptr);
    XGBroadcast::SendBroadcast('post', 0, nullptr);
    EXPECT_EQ(129, tool->GetToolMenu());
    delete window;
    XGBroadcast::SendBroadcast('post', 0, nullptr);
    EXPECT_EQ(128, tool->GetToolMenu());

    DestroyWindow(_GMainWindow);
    EXPECT_EQ(nullptr, _GToolView);
    EXPECT_EQ(nullptr, _GToolWindow);
    delete app;
}

TEST(ToolbarFrame, SingleDocumentFrameBuildsTheBarWithoutAStrip)
{
    StartProcess();
    _GToolView = nullptr;
    _GToolWindow = nullptr;
    FrameApp* app = new FrameApp(nullptr);
    EXPECT_NE(nullptr, dynamic_cast<XGToolbarView*>(_GToolView));
    EXPECT_EQ(nullptr, _GToolWindow);
    delete _GToolView;
    _GToolView = nullptr;
    delete app;
}

}  // namespace
}  // namespace toolbartest
