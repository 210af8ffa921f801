// The multiple-document frame builds its tool bar from "TMenu" 128 and lays
// the strip out above its client; it tells the bar the front window's menu.
#include <gtest/gtest.h>

#include <windows.h>
#include <oleacc.h>

#include <string>

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

VARIANT ChildId(long id)
{
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

// The strip is a native window of its own, not a framework window: a screen
// reader asks it, not the frame, for the bar.
TEST(ToolbarFrame, TheStripReadsAsAToolBarWithItsButtonsNamedByTheirTips)
{
    StartProcess();
    FrameApp* app = new FrameApp("Tool bar frame");
    ASSERT_NE(nullptr, _GToolWindow);
    IAccessible* bar = nullptr;
    ASSERT_EQ(S_OK, AccessibleObjectFromWindow(_GToolWindow, DWORD(OBJID_CLIENT), __uuidof(IAccessible),
                                               reinterpret_cast<void**>(&bar)));
    ASSERT_NE(nullptr, bar);
    VARIANT role;
    VariantInit(&role);
    EXPECT_EQ(S_OK, bar->get_accRole(ChildId(CHILDID_SELF), &role));
    EXPECT_EQ(ROLE_SYSTEM_TOOLBAR, role.lVal);
    LONG count = 0;
    EXPECT_EQ(S_OK, bar->get_accChildCount(&count));
    EXPECT_EQ(4, count);
    struct Row {
        long role;
        const wchar_t* name;
    };
    const Row rows[] = {
        {ROLE_SYSTEM_PUSHBUTTON, L"Open"},
        {ROLE_SYSTEM_SEPARATOR, L""},
        {ROLE_SYSTEM_PUSHBUTTON, L"Save the file"},
        {ROLE_SYSTEM_PUSHBUTTON, L"Bold"},
    };
    RECT strip;
    GetWindowRect(_GToolWindow, &strip);
    LONG previousX = strip.left - 1;
    for (long i = 1; i <= 4; ++i) {
        SCOPED_TRACE(i);
        VariantInit(&role);
        EXPECT_EQ(S_OK, bar->get_accRole(ChildId(i), &role));
        EXPECT_EQ(rows[i - 1].role, role.lVal);
        BSTR name = nullptr;
        bar->get_accName(ChildId(i), &name);
        EXPECT_EQ(std::wstring(rows[i - 1].name), std::wstring(name ? name : L""));
        SysFreeString(name);
        LONG x = 0, y = 0, w = 0, h = 0;
        EXPECT_EQ(S_OK, bar->accLocation(&x, &y, &w, &h, ChildId(i)));
        // Each in its own place, left to right across the strip.
        EXPECT_GT(x, previousX);
        previousX = x;
        EXPECT_GE(y, strip.top);
        EXPECT_LE(y + h, strip.bottom);
        EXPECT_EQ(rows[i - 1].role == ROLE_SYSTEM_PUSHBUTTON ? 22 : 11, w);
        EXPECT_EQ(22, h);
    }
    HWND hwnd = _GToolWindow;
    DestroyWindow(_GMainWindow);
    // The bar gone, the object says so instead of following a freed view.
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(CO_E_OBJNOTCONNECTED, bar->get_accChildCount(&count));
    bar->Release();
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
