#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "KeboTestSupport.h"
#include "controls/XGCheckButton.h"
#include "controls/XGCommandButton.h"
#include "views/XGFont.h"
#include "controls/XGPopControl.h"
#include "controls/XGScrollBar.h"
#include "views/XGWindowProc.h"

using namespace kebotest;

namespace {

class Controls : public ::testing::Test {
protected:
    void SetUp() override
    {
        fApp = new TestApp();
        XGSWindowInitRecord w = WindowRecord(2, "controls", 300, 200);
        fWindow = new XGWindow(w, nullptr);
        XGSViewInitRecord r = ViewRecord(0, 0, 0, 300, 200);
        fRecorder = new Recorder(fWindow, r);
        Pump();
    }
    void TearDown() override
    {
        delete fWindow;
        delete fApp;
        Pump();
    }

    HWND Root() const { return fWindow->GetHWND(); }
    RECT ClientRectOf(HWND control) const
    {
        RECT r;
        GetWindowRect(control, &r);
        MapWindowPoints(nullptr, Root(), reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
    // A notification as the native control sends it to its parent.
    LRESULT Notify(UINT message, WPARAM wParam, HWND control)
    {
        return SendMessageA(Root(), message, wParam, LPARAM(control));
    }

    // A pop-up with view ID 5, value 1 and the items "one", "two" and "three".
    XGPopControl* MakePopUp()
    {
        Args a = Args::View('popm', 5, 10, 80, 150, 100).Int(1);
        XGArgStream s = a.Stream();
        XGPopControl* pop = new XGPopControl(fRecorder, s);
        for (const char* item : {"one", "two", "three"})
            pop->GetItems().AppendString(item);
        pop->ReloadItems();
        return pop;
    }

    TestApp* fApp = nullptr;
    XGWindow* fWindow = nullptr;
    Recorder* fRecorder = nullptr;
};

TEST_F(Controls, PushButtonClickArrivesAsCclkWithItsViewID)
{
    Args a = Args::View('pbtn', 7, 10, 10, 90, 40, true, true, true).Int(0).Int(0).Str("Press");
    XGArgStream s = a.Stream();
    XGCommandButton* button = new XGCommandButton(fRecorder, s);
    ASSERT_NE(nullptr, button->GetControl());
    EXPECT_EQ(button, XGControl::FromHWND(button->GetControl()));
    char title[256];
    button->GetTitle(title);
    EXPECT_STREQ("Press", title);
    RECT r = ClientRectOf(button->GetControl());
    EXPECT_EQ(14, r.left);  // the native button sits 4 pixels inside the view
    EXPECT_EQ(14, r.top);
    EXPECT_EQ(86, r.right);
    EXPECT_EQ(36, r.bottom);

    Pump();
    button->PushButton();
    Pump();
    EXPECT_EQ(std::vector<std::string>{"cclk 7"}, fRecorder->fLog);
}

TEST_F(Controls, ButtonTitlesKeepEveryCharacterInTheNativeControl)
{
    const char* title = "\xCE\xA9 \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x98\x80";
    Args a = Args::View('pbtn', 7, 10, 10, 90, 40, true, true, true).Int(0).Int(0).Str(title);
    XGArgStream s = a.Stream();
    XGCommandButton* button = new XGCommandButton(fRecorder, s);
    ASSERT_NE(nullptr, button->GetControl());
    EXPECT_TRUE(IsWindowUnicode(button->GetControl()));
    wchar_t shown[64] = L"";
    GetWindowTextW(button->GetControl(), shown, 64);
    EXPECT_EQ(std::wstring(L"\u03A9 \u65E5\u672C \U0001F600"), std::wstring(shown));
    button->SetTitle("\xC4\x88" "af\xC3\xA9");
    GetWindowTextW(button->GetControl(), shown, 64);
    EXPECT_EQ(std::wstring(L"\u0108af\u00E9"), std::wstring(shown));
    char read[256];
    button->GetTitle(read);
    EXPECT_STREQ("\xC4\x88" "af\xC3\xA9", read);
}

TEST_F(Controls, AltLetterPressesTheButtonThatCarriesIt)
{
    Args a = Args::View('pbtn', 7, 10, 10, 90, 40, true, true, true).Int(0).Int(0).Str("&Go");
    XGArgStream s = a.Stream();
    XGCommandButton* button = new XGCommandButton(fRecorder, s);
    fWindow->SetFocus();
    Pump();

    EXPECT_EQ(0, XGWindowProc::ProcKeyboardCommon(WM_SYSCHAR, 'g', 0));
    Pump();
    EXPECT_TRUE(button->HasFocus());
    EXPECT_EQ(std::vector<std::string>{"cclk 7"}, fRecorder->fLog);
}

TEST_F(Controls, DefaultButtonTakesTheDefaultPushStyle)
{
    Args a = Args::View('pbtn', 1, 10, 10, 90, 40).Int(0).Int(0).Str("OK");
    XGArgStream s = a.Stream();
    XGCommandButton* button = new XGCommandButton(fRecorder, s);
    auto style = [&] { return GetWindowLongA(button->GetControl(), GWL_STYLE) & 0x0F; };
    EXPECT_EQ(BS_PUSHBUTTON, style());
    button->SetDefault(true);
    EXPECT_TRUE(button->IsDefault());
    EXPECT_EQ(BS_DEFPUSHBUTTON, style());
    button->SetDefault(false);
    EXPECT_EQ(BS_PUSHBUTTON, style());
}

TEST_F(Controls, CheckBoxShowsTheIndeterminateState)
{
    Args a = Args::View('chkb', 3, 10, 50, 150, 70).Int(0).Int(1).Str("Check");
    XGArgStream s = a.Stream();
    XGCheckButton* box = new XGCheckButton(fRecorder, s);
    EXPECT_EQ(1, box->GetValue());  // initial value from the record
    box->SetValue(2);
    EXPECT_EQ(-1, box->GetValue());
    EXPECT_EQ(BST_INDETERMINATE, SendMessageA(box->GetControl(), BM_GETCHECK, 0, 0));
    box->SetValue(-1);
    EXPECT_EQ(0, box->GetValue());
    box->SetValue(1);
    EXPECT_EQ(1, box->GetValue());
}

TEST_F(Controls, PopUpValueIsClampedToItsItems)
{
    XGPopControl* pop = MakePopUp();
    HWND combo = pop->GetControl();
    ASSERT_NE(nullptr, combo);
    EXPECT_EQ(3, SendMessageA(combo, CB_GETCOUNT, 0, 0));

    pop->SetValue(5);
    EXPECT_EQ(2, pop->GetValue());
    EXPECT_EQ(2, SendMessageA(combo, CB_GETCURSEL, 0, 0));
    pop->SetValue(-4);
    EXPECT_EQ(0, pop->GetValue());
    EXPECT_EQ(0, SendMessageA(combo, CB_GETCURSEL, 0, 0));

    // Setting the current value again sends nothing to the control.
    SendMessageA(combo, CB_SETCURSEL, 1, 0);
    pop->SetValue(0);
    EXPECT_EQ(1, SendMessageA(combo, CB_GETCURSEL, 0, 0));
    EXPECT_TRUE(fRecorder->fLog.empty());
}

// A record's enabling flag reaches the native control when it is made, and
// EnableView on the view or on a view above it turns the control on and off.
TEST_F(Controls, ControlsFollowTheirRecordsAndEnableView)
{
    Args a = Args::View('popm', 6, 10, 80, 150, 100, true, false).Int(1);
    XGArgStream s = a.Stream();
    XGPopControl* pop = new XGPopControl(fRecorder, s);
    Args b = Args::View('pbtn', 7, 160, 80, 260, 104, true, false).Int(1).Int(0).Str("Off");
    XGArgStream t = b.Stream();
    XGCommandButton* button = new XGCommandButton(fRecorder, t);
    ASSERT_NE(nullptr, pop->GetControl());
    ASSERT_NE(nullptr, button->GetControl());
    EXPECT_FALSE(IsWindowEnabled(pop->GetControl()));
    EXPECT_FALSE(IsWindowEnabled(button->GetControl()));

    pop->EnableView(true);
    EXPECT_TRUE(pop->IsEnabled());
    EXPECT_TRUE(IsWindowEnabled(pop->GetControl()));

    fRecorder->EnableView(false);
    EXPECT_FALSE(pop->IsEnabled());
    EXPECT_FALSE(IsWindowEnabled(pop->GetControl()));
    fRecorder->EnableView(true);
    EXPECT_TRUE(IsWindowEnabled(pop->GetControl()));
    EXPECT_FALSE(IsWindowEnabled(button->GetControl()));
}

TEST_F(Controls, PopUpArrowKeysAndCloseUpSendPval)
{
    XGPopControl* pop = MakePopUp();

    const long down = (0x8000L << 16) | 0x81;
    EXPECT_EQ(0, pop->DoDispatch('keye', down, nullptr, true));
    EXPECT_EQ(1, pop->GetValue());
    EXPECT_EQ(-1, pop->DoDispatch('keye', 'x', nullptr, false));  // a plain key is not the pop-up's

    SendMessageA(pop->GetControl(), CB_SETCURSEL, 2, 0);
    Notify(WM_COMMAND, MAKEWPARAM(0, CBN_CLOSEUP), pop->GetControl());
    EXPECT_EQ(2, pop->GetValue());
    Notify(WM_COMMAND, MAKEWPARAM(0, CBN_CLOSEUP), pop->GetControl());  // unchanged: no notice
    EXPECT_EQ((std::vector<std::string>{"pval 5", "pval 5"}), fRecorder->fLog);
}

XGSScrollInitRecord ScrollRecord(short id, long value, long min, long max, long step, long page)
{
    XGSScrollInitRecord r;
    static_cast<XGSViewInitRecord&>(r) = ViewRecord(id, 270, 0, 286, 200);
    r.fValue = value;
    r.fMinValue = min;
    r.fMaxValue = max;
    r.fStepSize = step;
    r.fPageSize = page;
    return r;
}

SCROLLINFO NativeInfo(HWND bar)
{
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(bar, SB_CTL, &info);
    return info;
}

TEST_F(Controls, ScrollBarScalesAWideRangeForTheNativeBar)
{
    XGSScrollInitRecord r = ScrollRecord(9, 0, 0, 100000, 10, 700);
    XGScrollBar* bar = new XGScrollBar(fRecorder, r);
    ASSERT_NE(nullptr, bar->GetControl());
    EXPECT_EQ(SBS_VERT, GetWindowLongA(bar->GetControl(), GWL_STYLE) & SBS_VERT);
    EXPECT_EQ(7, bar->GetScale());
    SCROLLINFO info = NativeInfo(bar->GetControl());
    EXPECT_EQ(0, info.nMin);
    EXPECT_EQ(14285 + 100 - 1, info.nMax);
    EXPECT_EQ(100u, info.nPage);
    EXPECT_TRUE(fRecorder->fLog.empty());

    bar->SetValue(700);
    EXPECT_EQ(100, NativeInfo(bar->GetControl()).nPos);
    Notify(WM_VSCROLL, SB_LINEDOWN, bar->GetControl());
    EXPECT_EQ(710, bar->GetValue());
    Notify(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 200), bar->GetControl());
    EXPECT_EQ(1400, bar->GetValue());
    Notify(WM_VSCROLL, SB_BOTTOM, bar->GetControl());
    EXPECT_EQ(100000, bar->GetValue());
    bar->SetValue(200000);  // clamped to the maximum it already has: no notice
    EXPECT_EQ((std::vector<std::string>{"scrs 9", "sval 9 0>700", "scrs 9", "sval 9 700>710",
                                        "scrs 9", "sval 9 710>1400", "scrs 9", "sval 9 1400>100000"}),
              fRecorder->fLog);
}

TEST_F(Controls, ScrollBarWithAnEmptyRangeIsDisabled)
{
    XGSScrollInitRecord r = ScrollRecord(9, 5, 5, 5, 1, 1);
    XGScrollBar* bar = new XGScrollBar(fRecorder, r);
    EXPECT_EQ(5, bar->GetMinValue());  // a range above 0 survives the start from (0, 0)
    EXPECT_EQ(5, bar->GetMaxValue());
    EXPECT_FALSE(IsWindowEnabled(bar->GetControl()));
    bar->SetMaxValue(10);
    EXPECT_TRUE(IsWindowEnabled(bar->GetControl()));
    bar->SetValue(8);
    fRecorder->fLog.clear();
    bar->SetMinValue(20);  // lowered to the maximum; the value follows
    EXPECT_EQ(10, bar->GetMinValue());
    EXPECT_EQ(10, bar->GetValue());
    EXPECT_FALSE(IsWindowEnabled(bar->GetControl()));
    EXPECT_EQ((std::vector<std::string>{"scrs 9", "sval 9 8>10"}), fRecorder->fLog);
}

TEST_F(Controls, ScrollBarRangeBelowZeroIsKept)
{
    XGSScrollInitRecord r = ScrollRecord(9, -7, -10, -5, 1, 1);
    XGScrollBar* bar = new XGScrollBar(fRecorder, r);
    EXPECT_EQ(-10, bar->GetMinValue());
    EXPECT_EQ(-5, bar->GetMaxValue());
    EXPECT_EQ(-7, bar->GetValue());
    EXPECT_TRUE(IsWindowEnabled(bar->GetControl()));
}

TEST_F(Controls, MovingAViewHidesItsControlUntilItIsDrawnAgain)
{
    Args a = Args::View('pbtn', 4, 10, 10, 90, 40).Int(0).Int(0).Str("Move");
    XGArgStream s = a.Stream();
    XGCommandButton* button = new XGCommandButton(fRecorder, s);
    UpdateWindow(Root());
    Pump();
    EXPECT_TRUE(IsWindowVisible(button->GetControl()));

    button->SetLocation(tagRECT{100, 100, 180, 130});
    EXPECT_FALSE(IsWindowVisible(button->GetControl()));
    EXPECT_EQ(104, ClientRectOf(button->GetControl()).left);
    UpdateWindow(Root());
    Pump();
    EXPECT_TRUE(IsWindowVisible(button->GetControl()));
}

// What a native control window receives, in order, from a subclass of it.
struct ControlLog {
    WNDPROC previous = nullptr;
    std::vector<UINT> messages;
};
ControlLog gControlLog;

LRESULT CALLBACK LogControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SHOWWINDOW || message == WM_PAINT)
        gControlLog.messages.push_back(message);
    return CallWindowProcA(gControlLog.previous, hwnd, message, wParam, lParam);
}

TEST_F(Controls, AControlShownByItsViewsDrawingIsToldAndPaintsItself)
{
    Args a = Args::View('pbtn', 4, 10, 10, 90, 40).Int(0).Int(0).Str("Shown");
    XGArgStream s = a.Stream();
    XGCommandButton* button = new XGCommandButton(fRecorder, s);
    HWND control = button->GetControl();
    ASSERT_FALSE(IsWindowVisible(control));
    gControlLog = ControlLog{};
    gControlLog.previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LogControlProc)));

    // The window's paint shows the control; the control then paints itself.
    RedrawWindow(Root(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump();
    EXPECT_TRUE(IsWindowVisible(control));
    EXPECT_EQ((std::vector<UINT>{WM_SHOWWINDOW, WM_PAINT}), gControlLog.messages);
    EXPECT_FALSE(GetUpdateRect(control, nullptr, FALSE));

    // Drawn again with its view, it paints again and is not shown a second time.
    gControlLog.messages.clear();
    button->InvalView();
    RedrawWindow(Root(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump();
    EXPECT_EQ((std::vector<UINT>{WM_PAINT}), gControlLog.messages);

    SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(gControlLog.previous));
}

HFONT FontOf(const XGButton* button)
{
    return reinterpret_cast<HFONT>(SendMessageA(button->GetControl(), WM_GETFONT, 0, 0));
}

XGCommandButton* MakeButton(XGView* parent, short id, short font, const char* title)
{
    Args a = Args::View('pbtn', id, 10, short(10 + 30 * id), 90, short(40 + 30 * id)).Int(font).Int(0).Str(title);
    XGArgStream s = a.Stream();
    return new XGCommandButton(parent, s);
}

TEST_F(Controls, ButtonsOfOneFontShareItUntilTheLastOneGoes)
{
    const long fontsBefore = XGFont::gFontArray.Length();
    XGCommandButton* first = MakeButton(fRecorder, 1, 0, "One");
    XGCommandButton* second = MakeButton(fRecorder, 2, 0, "Two");
    Args a = Args::View('chkb', 3, 10, 100, 150, 120).Int(0).Int(0).Str("Three");
    XGArgStream s = a.Stream();
    XGCheckButton* box = new XGCheckButton(fRecorder, s);
    XGCommandButton* other = MakeButton(fRecorder, 4, 1, "Four");

    const HFONT bold = FontOf(first);
    ASSERT_NE(nullptr, bold);
    EXPECT_EQ(bold, FontOf(second));
    EXPECT_EQ(bold, FontOf(box));
    EXPECT_NE(bold, FontOf(other));
    EXPECT_EQ(fontsBefore + 2, XGFont::gFontArray.Length());

    // The shared fonts are the built-in ones the buttons ask for.
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    struct Expected { HFONT font; LONG height; LONG weight; };
    for (const Expected& e : {Expected{bold, -(9 * dpi / 72), 700}, Expected{FontOf(other), -(8 * dpi / 72), 400}}) {
        LOGFONTA face = {};
        ASSERT_EQ(int(sizeof face), GetObjectA(e.font, sizeof face, &face));
        EXPECT_STREQ("Arial", face.lfFaceName);
        EXPECT_EQ(e.height, face.lfHeight);
        EXPECT_EQ(e.weight, face.lfWeight);
    }
    char title[256];
    box->GetTitle(title);
    EXPECT_STREQ("Three", title);

    delete first;
    delete box;
    EXPECT_EQ(DWORD(OBJ_FONT), GetObjectType(bold));  // the second button still uses it
    delete second;
    EXPECT_EQ(0u, GetObjectType(bold));
    EXPECT_EQ(fontsBefore + 1, XGFont::gFontArray.Length());

    // A button made after the last one went gets a font of its own again.
    XGCommandButton* again = MakeButton(fRecorder, 5, 0, "Five");
    EXPECT_EQ(DWORD(OBJ_FONT), GetObjectType(FontOf(again)));
    EXPECT_EQ(fontsBefore + 2, XGFont::gFontArray.Length());
}

// A control's native window destroyed from outside: a notification naming
// its handle reaches nothing, the handle finds no wrapper, and the wrapper
// goes later without touching the handle again.
TEST_F(Controls, AControlDestroyedFromOutsideIsNoLongerFoundByItsHandle)
{
    struct Case {
        const char* name;
        std::function<XGControl*()> make;
        std::function<HWND(XGControl*)> native;
        UINT message;
        WPARAM wParam;
    };
    const Case cases[] = {
        {"push button", [&] { return static_cast<XGControl*>(MakeButton(fRecorder, 1, 0, "One")); },
         [](XGControl* c) { return static_cast<XGButton*>(c)->GetControl(); }, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED)},
        {"check box",
         [&] {
             Args a = Args::View('chkb', 3, 10, 100, 150, 120).Int(0).Int(0).Str("Three");
             XGArgStream s = a.Stream();
             return static_cast<XGControl*>(new XGCheckButton(fRecorder, s));
         },
         [](XGControl* c) { return static_cast<XGButton*>(c)->GetControl(); }, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED)},
        {"scroll bar",
         [&] {
             XGSScrollInitRecord r = ScrollRecord(9, 0, 0, 100, 1, 10);
             return static_cast<XGControl*>(new XGScrollBar(fRecorder, r));
         },
         [](XGControl* c) { return static_cast<XGScrollBar*>(c)->GetControl(); }, WM_VSCROLL, SB_LINEDOWN},
    };
    const long fontsBefore = XGFont::gFontArray.Length();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        XGControl* control = c.make();
        const HWND native = c.native(control);
        ASSERT_NE(nullptr, native);
        ASSERT_EQ(control, XGControl::FromHWND(native));

        ASSERT_TRUE(DestroyWindow(native));
        EXPECT_EQ(nullptr, XGControl::FromHWND(native));
        Notify(c.message, c.wParam, native);
        EXPECT_TRUE(fRecorder->fLog.empty());

        delete control;
        EXPECT_EQ(nullptr, XGControl::FromHWND(native));
        fRecorder->fLog.clear();
    }
    EXPECT_EQ(fontsBefore, XGFont::gFontArray.Length());
}

// Records, as a window is destroyed (its views gone, the native controls
// not yet), whether each control is there and still draws with a font.
class FontWatchApp : public TestApp {
public:
    XG_DECLARE_DISPATCH(FontWatchApp)
    long DoDestroyed(long, void*)
    {
        for (HWND control : fControls) {
            const HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0));
            fSeen.push_back(std::string(IsWindow(control) ? "control" : "gone") + " "
                            + (GetObjectType(font) == OBJ_FONT ? "font" : "no font"));
        }
        return -1;
    }
    std::vector<HWND> fControls;
    std::vector<std::string> fSeen;
};

// long Handler(long arg, void* data); -1 passes the message on.
XG_BEGIN_DISPATCH(FontWatchApp, TestApp)
    XG_ON('desw', DoDestroyed)
XG_END_DISPATCH()

// The last window's buttons are the last users of their shared fonts; their
// native windows go only after their views, with the window.
TEST(ControlsClosing, ButtonsKeepTheirFontsUntilTheyGoAndThenTheFontsGo)
{
    FontWatchApp* app = new FontWatchApp();
    const long fontsBefore = XGFont::gFontArray.Length();
    const DWORD gdiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    // Many times over: whatever is kept for a control that has gone shows.
    for (int round = 0; round < 20; ++round) {
        SCOPED_TRACE(round);
        XGSWindowInitRecord w = WindowRecord(2, "buttons", 300, 400);
        XGWindow* window = new XGWindow(w, nullptr);
        XGSViewInitRecord all = ViewRecord(0, 0, 0, 300, 400);
        XGView* holder = new XGView(window, all);
        app->fControls.clear();
        app->fSeen.clear();
        std::vector<HGDIOBJ> fonts;
        for (short font : {0, 0, 1}) {
            XGCommandButton* button = MakeButton(holder, short(app->fControls.size() + 1), font, "Button");
            app->fControls.push_back(button->GetControl());
            fonts.push_back(reinterpret_cast<HGDIOBJ>(FontOf(button)));
        }
        UpdateWindow(window->GetHWND());
        Pump();

        ASSERT_TRUE(window->CloseWindow());
        EXPECT_EQ((std::vector<std::string>{"control font", "control font", "control font"}), app->fSeen);
        for (HWND control : app->fControls)
            EXPECT_FALSE(IsWindow(control));
        for (HGDIOBJ font : fonts)
            EXPECT_EQ(0u, GetObjectType(font));
        EXPECT_EQ(fontsBefore, XGFont::gFontArray.Length());
    }
    // Where the system counts its objects (Wine does not), none is left over.
    if (gdiBefore != 0)
        EXPECT_EQ(gdiBefore, GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
    delete app;
    Pump();
}

// Logs the window notices, whether the window was on screen at each, whether
// a native control still led to a wrapper and whether it still carried the
// property. Each control also notifies a click then, as a control may while
// its window closes: one whose wrapper has gone must reach nothing.
class NoticeApp : public TestApp {
public:
    XG_DECLARE_DISPATCH(NoticeApp)
    long DoMayClose(long arg, void* data) { return Log("pdsw", arg, data); }
    long DoDestroyed(long arg, void* data) { return Log("desw", arg, data); }
    long DoClicked(long, void*)
    {
        ++fClicks;
        return 0;
    }
    int fClicks = 0;

    std::vector<std::string> fLog;
    std::vector<HWND> fControls;

private:
    long Log(const char* code, long arg, void* data)
    {
        const XGWindow* window = *static_cast<XGWindow**>(data);
        std::string line = std::string(code) + " " + std::to_string(arg) + (window->IsVisible() ? " shown" : " hidden");
        for (HWND control : fControls) {
            if (IsWindow(control) && XGControl::FromHWND(control))
                line += " linked";
            if (IsWindow(control) && GetPropA(control, _GControlClass))
                line += " carried";
            if (window->GetHWND() && IsWindow(control))
                SendMessageA(window->GetHWND(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), LPARAM(control));
        }
        fLog.push_back(line);
        return -1;
    }
};

// long Handler(long arg, void* data); -1 passes the message on.
XG_BEGIN_DISPATCH(NoticeApp, TestApp)
    XG_ON('pdsw', DoMayClose)
    XG_ON('desw', DoDestroyed)
    XG_ON('cclk', DoClicked)
XG_END_DISPATCH()

TEST(ControlsClosing, AWindowFullOfButtonsClosesAsAnyOtherAndTheFocusGoesBack)
{
    NoticeApp* app = new NoticeApp();
    app->SetFocus();
    XGSWindowInitRecord w = WindowRecord(2, "behind", 300, 200);
    XGWindow* behind = new XGWindow(w, nullptr);
    XGSViewInitRecord r = ViewRecord(0, 0, 0, 300, 200);
    Recorder* behindView = new Recorder(behind, r);
    behindView->SetFocus();
    Pump();

    XGSWindowInitRecord front = WindowRecord(2, "buttons", 300, 400);
    front.fWindowID = 9;
    XGWindow* window = new XGWindow(front, nullptr);
    XGSViewInitRecord all = ViewRecord(0, 0, 0, 300, 400);
    XGView* holder = new XGView(window, all);    // passes the clicks on to the application
    std::vector<HWND>& controls = app->fControls;
    for (short id = 1; id <= 3; ++id)
        controls.push_back(MakeButton(holder, id, 0, "Button")->GetControl());
    static_cast<XGCommandButton*>(holder->FindViewByID(3))->SetFocus();
    UpdateWindow(window->GetHWND());
    Pump();
    const HWND hwnd = window->GetHWND();
    ASSERT_EQ(hwnd, GetActiveWindow());
    ASSERT_TRUE(IsWindowVisible(controls[2]));

    ASSERT_TRUE(window->CloseWindow());
    // Going with their window, the controls keep their properties to the end
    // and lead nowhere once their wrappers are gone.
    EXPECT_EQ((std::vector<std::string>{"pdsw 9 shown linked carried linked carried linked carried",
                                        "desw 9 shown carried carried carried"}),
              app->fLog);
    EXPECT_EQ(3, app->fClicks);
    EXPECT_FALSE(IsWindow(hwnd));
    for (HWND control : controls)
        EXPECT_FALSE(IsWindow(control));

    // The window behind is active again and, after a turn of the loop, its
    // view has the focus back.
    PostMessageA(behind->GetHWND(), WM_NULL, 0, 0);
    app->RunOnce(nullptr);
    EXPECT_EQ(behind->GetHWND(), GetActiveWindow());
    EXPECT_EQ(static_cast<XGDispatch*>(behindView), XGDispatch::GetFocus());
    EXPECT_EQ(behind->GetHWND(), GetFocus());

    delete behind;
    delete app;
    Pump();
}

}  // namespace
