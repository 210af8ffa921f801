// The controls at their window's DPI: made in a window already at a scale,
// or told of a new one by the window's in-place rescale. Every expected
// value is measured here with the system's own font at that DPI, not taken
// from the code under test.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "KeboTestSupport.h"
#include "controls/XGCommandButton.h"
#include "controls/XGEditCore.h"
#include "controls/XGEditText.h"
#include "controls/XGListControl.h"
#include "controls/XGListView.h"
#include "controls/XGPicture.h"
#include "controls/XGScrollBar.h"
#include "foundation/XGStringList.h"
#include "views/XGDpiScale.h"
#include "views/XGFont.h"

using namespace kebotest;

namespace {

// Font number 1 of the framework: Arial 8 points.
const short kFont = 1;
const char kText[] = "Wide mill, iii WWW";

struct Metrics {
    int height;
    int ascent;
};

Metrics FontMetrics(HFONT font)
{
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW tm = {};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return {int(tm.tmHeight), int(tm.tmAscent)};
}

// The width of the first `count` characters of text, as the system lays
// them out in font.
int PrefixWidth(HFONT font, const char* text, int count)
{
    if (count <= 0)
        return 0;
    std::wstring wide(text, text + count);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size = {};
    GetTextExtentPoint32W(dc, wide.c_str(), int(wide.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return int(size.cx);
}

// The Windows font of the framework's font kFont at dpi.
class FontAt {
public:
    explicit FontAt(int dpi) : fFont(XGFont::LoadFont(kFont)), fHandle(fFont->GetFontForDpi(dpi)) {}
    ~FontAt() { fFont->Detach(); }
    HFONT Get() const { return fHandle; }

private:
    XGFont* fFont;
    HFONT fHandle;
};

class ControlsDpi : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        fApp = new TestApp();
        XGSWindowInitRecord w = WindowRecord(2, "dpi", 600, 420);
        fWindow = new XGWindow(w, nullptr);
        XGSViewInitRecord r = ViewRecord(0, 0, 0, 600, 420);
        fHost = new Recorder(fWindow, r);
        Pump();
    }
    void TearDown() override
    {
        delete fWindow;
        delete fApp;
        Pump();
    }

    XGEditText* MakeEdit(const char* text)
    {
        Args a = Args::View('edit', 4, 20, 20, 400, 80, true, true, true)
                     .Str(text).Int(kFont).Int(0).Int(0)
                     .Bool(false).Bool(false).Bool(false).Bool(false).Int(0).Bool(true);
        XGArgStream s = a.Stream();
        return new XGEditText(fHost, s);
    }
    XGListControl* MakeList(long items)
    {
        Args a = Args::View('list', 5, 20, 20, 220, 180).Bool(false).Bool(true).Bool(false)
                     .Bool(false).Int(kFont).Bool(false);
        XGArgStream s = a.Stream();
        XGListControl* list = new XGListControl(fHost, s);
        for (long i = 0; i < items; ++i) {
            unsigned char flag = 0;
            list->GetList()->AppendString("Item", &flag);
        }
        list->GetListView()->CalcResize();
        return list;
    }
    // Presses and releases at the client point of the window.
    void Click(long h, long v)
    {
        const LPARAM at = MAKELPARAM(h, v);
        SendMessageA(fWindow->GetHWND(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(fWindow->GetHWND(), WM_LBUTTONUP, 0, at);
    }

    TestApp* fApp = nullptr;
    XGWindow* fWindow = nullptr;
    Recorder* fHost = nullptr;
};

INSTANTIATE_TEST_SUITE_P(Scales, ControlsDpi, ::testing::Values(96, 120, 144, 192),
                         [](const ::testing::TestParamInfo<int>& info) { return std::to_string(info.param); });

TEST_P(ControlsDpi, TextEngineTakesTheScaledFontsHeightMarginAndCaretWidth)
{
    const int dpi = GetParam();
    XGEditText* edit = MakeEdit(kText);
    fWindow->ChangeDpi(dpi);
    const FontAt font(dpi);
    const XGEditCore* core = edit->GetEditCore();
    EXPECT_EQ(FontMetrics(font.Get()).height, core->GetLineHeight());
    EXPECT_EQ(core->GetLineHeight(), core->GetPixelStep());  // a scroll step is a line
    EXPECT_EQ(XGDpiScale::Scale(2, dpi), core->GetMargin());
    EXPECT_EQ(dpi == 96 || dpi == 120 ? 1 : 2, core->GetCaretWidth());
}

TEST_P(ControlsDpi, AnEditTextMadeInAWindowAlreadyAtTheScaleComesOutScaled)
{
    const int dpi = GetParam();
    fWindow->ChangeDpi(dpi);
    XGEditText* edit = MakeEdit(kText);
    const FontAt font(dpi);
    XGEditCore* core = edit->GetEditCore();
    EXPECT_EQ(FontMetrics(font.Get()).height, core->GetLineHeight());
    EXPECT_EQ(XGDpiScale::Scale(2, dpi), core->GetMargin());
    // The text sits inside the sunken frame by 3 units on each side.
    const tagRECT content = edit->GetContentRect();
    EXPECT_EQ(content.left + XGDpiScale::Scale(3, dpi), core->GetFrame().left);
    EXPECT_EQ(content.top + XGDpiScale::Scale(3, dpi), core->GetFrame().top);
    EXPECT_EQ(XGDpiScale::Scale(2, dpi) + PrefixWidth(font.Get(), kText, int(sizeof kText - 1)),
              core->GetMaxWidth());
}

TEST_P(ControlsDpi, WidthsMeasuredBeforeARescaleAreMeasuredAgainAfterIt)
{
    const int dpi = GetParam();
    XGEditText* edit = MakeEdit(kText);
    XGEditCore* core = edit->GetEditCore();
    const long length = long(sizeof kText - 1);
    // Measured at 96 first: the widest line and a position are kept.
    const FontAt base(96);
    ASSERT_EQ(2 + PrefixWidth(base.Get(), kText, int(length)), core->GetMaxWidth());
    ASSERT_EQ(2 + PrefixWidth(base.Get(), kText, 9), core->FindPixel(9));
    fWindow->ChangeDpi(dpi);
    const FontAt font(dpi);
    const long margin = XGDpiScale::Scale(2, dpi);
    EXPECT_EQ(margin + PrefixWidth(font.Get(), kText, int(length)), core->GetMaxWidth());
    EXPECT_EQ(margin + PrefixWidth(font.Get(), kText, 9), core->FindPixel(9));
    EXPECT_EQ(margin + PrefixWidth(font.Get(), kText, int(length)), core->FindPixel(length));
}

TEST_P(ControlsDpi, AClickLandsOnTheCharacterUnderItAndTheCaretSitsThere)
{
    const int dpi = GetParam();
    XGEditText* edit = MakeEdit(kText);
    fWindow->ChangeDpi(dpi);
    Pump();
    const FontAt font(dpi);
    XGEditCore* core = edit->GetEditCore();
    const Point origin = edit->GetGlobalPos();
    const tagRECT frame = core->GetFrame();
    const long margin = XGDpiScale::Scale(2, dpi);
    const long lineMiddle = origin.v + frame.top + FontMetrics(font.Get()).height / 2;
    for (int k = 0; k < int(sizeof kText - 1); ++k) {
        const int left = PrefixWidth(font.Get(), kText, k);
        const int right = PrefixWidth(font.Get(), kText, k + 1);
        // A quarter into the character: nearer its left edge than its right.
        const long x = origin.h + frame.left + margin + left + (right - left) / 4;
        Click(x, lineMiddle);
        long start = -1, end = -1;
        edit->GetSelect(&start, &end);
        EXPECT_EQ(k, start) << "character " << k;
        EXPECT_EQ(k, end) << "character " << k;
        // The system's caret (what magnifiers follow) stands just left of
        // that character, as wide as the drawn one.
        POINT caret = {};
        ASSERT_TRUE(GetCaretPos(&caret));
        EXPECT_EQ(origin.h + frame.left + margin + left - core->GetCaretWidth(), caret.x) << "character " << k;
        EXPECT_EQ(origin.v + frame.top, caret.y) << "character " << k;
    }
}

TEST_P(ControlsDpi, ListRowsAreTheScaledFontsHeightBeforeAndAfterARescale)
{
    const int dpi = GetParam();
    const FontAt font(dpi);
    const int row = FontMetrics(font.Get()).height;
    XGListControl* before = MakeList(30);
    fWindow->ChangeDpi(dpi);
    EXPECT_EQ(row, before->GetPixelStep());
    XGListControl* after = MakeList(30);
    EXPECT_EQ(row, after->GetPixelStep());
    // A click on the middle of a row selects that row.
    const long step = after->GetPixelStep();
    const Point at = after->GetListView()->GetGlobalPos();
    Click(at.h + 20, at.v + 3 * step + step / 2);
    EXPECT_TRUE(after->GetSelect(3));
    EXPECT_FALSE(after->GetSelect(2));
    EXPECT_FALSE(after->GetSelect(4));
}

TEST_P(ControlsDpi, ListTextStartsAtTheScaledInset)
{
    const int dpi = GetParam();
    fWindow->ChangeDpi(dpi);
    XGListControl* list = MakeList(3);
    InvalidateRect(fWindow->GetHWND(), nullptr, TRUE);
    UpdateWindow(fWindow->GetHWND());
    // Where the ink of "Item" begins: the inset of 5 units, then the
    // letter's own left bearing in the font at the scale.
    const FontAt font(dpi);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font.Get());
    ABC abc = {};
    GetCharABCWidthsW(dc, L'I', L'I', &abc);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    const long expected = XGDpiScale::Scale(5, dpi) + (abc.abcA > 0 ? abc.abcA : 0);
    XGListView* view = list->GetListView();
    const Point at = view->GetGlobalPos();
    const long step = list->GetPixelStep();
    long first = -1;
    for (int x = 0; x < 40 && first < 0; ++x) {
        for (long y = 0; y < step; ++y) {
            const COLORREF c = Pixel(fWindow->GetHWND(), at.h + x, int(at.v + y));
            if (GetRValue(c) < 128 && GetGValue(c) < 128 && GetBValue(c) < 128) {
                first = x;
                break;
            }
        }
    }
    EXPECT_NEAR(double(expected), double(first), 1.0);
}

TEST_P(ControlsDpi, ScrollBarsAreAsThickAsTheSystemMakesThemAtTheScale)
{
    const int dpi = GetParam();
    const Point size = XGScrollBar::GetDefaultSize(dpi);
    HDC screen = GetDC(nullptr);
    const int display = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    if (dpi == display) {
        // The display's own scale is the system's plain metric, as before.
        EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), size.h);
        EXPECT_EQ(GetSystemMetrics(SM_CYHSCROLL), size.v);
    }
    const Point base = XGScrollBar::GetDefaultSize(display);
    EXPECT_NEAR(double(base.h) * dpi / display, size.h, 1.0);
    EXPECT_NEAR(double(base.v) * dpi / display, size.v, 1.0);
}

TEST_P(ControlsDpi, NativeControlsGetTheFontAtTheWindowsScaleAndAgainOnARescale)
{
    const int dpi = GetParam();
    auto fontHeight = [](HWND control) {
        HFONT font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
        LOGFONTW log = {};
        GetObjectW(font, sizeof log, &log);
        return long(log.lfHeight);
    };
    // Font 1 is 8 points: its height in pixels at a DPI.
    auto expected = [](int at) { return -long(8 * at / 72); };
    fWindow->ChangeDpi(dpi);
    Args a = Args::View('cmdb', 7, 20, 200, 120, 230).Int(kFont).Int(0).Str("Go");
    XGArgStream s = a.Stream();
    XGCommandButton* button = new XGCommandButton(fHost, s);
    ASSERT_NE(nullptr, button->GetControl());
    EXPECT_EQ(expected(dpi), fontHeight(button->GetControl()));
    const int next = dpi == 192 ? 96 : 192;
    fWindow->ChangeDpi(next);
    EXPECT_EQ(expected(next), fontHeight(button->GetControl()));
}

TEST_P(ControlsDpi, APictureIsDrawnOverItsScaledBand)
{
    const int dpi = GetParam();
    fWindow->ChangeDpi(dpi);
    // An 8 x 8 red bitmap in a band of 32 units.
    Args a = Args::View('pict', 0, 20, 120, 120, 200).Int(300).Int(32).Int(0);
    XGArgStream s = a.Stream();
    XGPicture* picture = new XGPicture(fHost, s);
    const tagRECT r = picture->GetPictureRect();
    EXPECT_EQ(XGDpiScale::Scale(32, dpi), r.right - r.left);
    Pump();
    InvalidateRect(fWindow->GetHWND(), nullptr, TRUE);
    UpdateWindow(fWindow->GetHWND());
    const Point at = picture->GetGlobalPos();
    // The bitmap reaches to its scaled size and no further (a pixel in from
    // each edge, where a stretch's smoothing may blend).
    const int side = XGDpiScale::Scale(8, dpi);
    EXPECT_EQ(RGB(255, 0, 0), Pixel(fWindow->GetHWND(), at.h + r.left + side - 2, at.v + r.top + side - 2));
    EXPECT_NE(RGB(255, 0, 0), Pixel(fWindow->GetHWND(), at.h + r.left + side + 1, at.v + r.top + side + 1));
}

}  // namespace
