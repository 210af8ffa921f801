// The framework's own drawing under the system's high contrast setting, which
// the tests force (XGContrast::SetOverride) over a scheme of their own
// (SetSysColors) whose colours no default drawing uses: texts, fields, lists
// and the tool bar take the scheme's colours, pictures keep theirs.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "KeboTestSupport.h"
#include "controls/XGEditText.h"
#include "controls/XGListControl.h"
#include "controls/XGListView.h"
#include "controls/XGPicture.h"
#include "controls/XGStaticText.h"
#include "controls/XGToolbarView.h"
#include "foundation/XGStringList.h"
#include "views/XGContrast.h"

using namespace kebotest;

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);

// A high contrast scheme in colours of its own.
const int kElements[] = {COLOR_WINDOW,     COLOR_WINDOWTEXT, COLOR_BTNFACE,  COLOR_BTNTEXT,
                         COLOR_BTNSHADOW,  COLOR_BTNHIGHLIGHT, COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT};
const COLORREF kScheme[] = {RGB(0, 0, 96),   RGB(255, 255, 0), RGB(64, 0, 64),  RGB(0, 255, 0),
                            RGB(128, 128, 0), RGB(0, 128, 128), RGB(96, 32, 0), RGB(32, 224, 224)};
const int kSchemeSize = int(sizeof kElements / sizeof kElements[0]);
// What the window shows where no view draws.
const COLORREF kUnpainted = RGB(255, 0, 255);

class HighContrast : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int element : kElements)
            fSaved.push_back(GetSysColor(element));
        ASSERT_TRUE(SetSysColors(kSchemeSize, kElements, kScheme));
        XGContrast::SetOverride(XGContrast::kOn);
        fApp = new TestApp();
        XGSWindowInitRecord w = WindowRecord(2, "high contrast", 300, 200);
        fWindow = new XGWindow(w, nullptr);
        UpdateWindow(fWindow->GetHWND());
        Pump();
    }
    void TearDown() override
    {
        delete fWindow;
        delete fApp;
        XGContrast::SetOverride(XGContrast::kSystem);
        SetSysColors(kSchemeSize, kElements, fSaved.data());
        Pump();
    }

    // The view's pixels, drawn alone over kUnpainted.
    std::vector<COLORREF> Drawn(XGView* view)
    {
        HWND root = fWindow->GetHWND();
        HDC dc = GetDC(root);
        RECT client;
        GetClientRect(root, &client);
        HBRUSH unpainted = CreateSolidBrush(kUnpainted);
        FillRect(dc, &client, unpainted);
        DeleteObject(unpainted);
        ReleaseDC(root, dc);
        ValidateRect(root, nullptr);
        view->InvalView();
        UpdateWindow(root);
        GdiFlush();
        return Capture(view->GetGlobalRect());
    }

    // The window's pixels in r, one copy read pixel by pixel from memory.
    std::vector<COLORREF> Capture(tagRECT r)
    {
        HWND root = fWindow->GetHWND();
        const int width = r.right - r.left, height = r.bottom - r.top;
        HDC dc = GetDC(root);
        HDC memory = CreateCompatibleDC(dc);
        HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, dc, r.left, r.top, SRCCOPY);
        std::vector<COLORREF> pixels;
        for (int v = 0; v < height; ++v)
            for (int h = 0; h < width; ++h)
                pixels.push_back(GetPixel(memory, h, v));
        SelectObject(memory, old);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(root, dc);
        return pixels;
    }

    static long Count(const std::vector<COLORREF>& pixels, COLORREF colour)
    {
        return long(std::count(pixels.begin(), pixels.end(), colour));
    }

    XGEditText* MakeEdit(const char* text)
    {
        Args a = Args::View('edit', 4, 20, 20, 200, 44, true, true, true).Str(text).Int(1).Int(0).Int(0);
        a.Bool(false).Bool(false).Bool(false).Bool(false).Int(0).Bool(false);
        XGArgStream s = a.Stream();
        return new XGEditText(fWindow, s);
    }

    // Lines "Apple" to "Cherry", the second selected.
    XGListControl* MakeList()
    {
        Args a = Args::View('list', 6, 20, 20, 200, 120, true, true, true)
                     .Bool(false).Bool(false).Bool(false).Bool(false).Int(1).Bool(false);
        XGArgStream s = a.Stream();
        XGListControl* list = new XGListControl(fWindow, s);
        for (const char* item : {"Apple", "Banana", "Cherry"}) {
            unsigned char flag = 0;
            list->GetList()->AppendString(item, &flag);
        }
        list->GetListView()->CalcResize();
        list->SetSelect(1, true);
        return list;
    }

    XGStaticText* MakeText(const char* text)
    {
        Args a = Args::View('text', 0, 20, 60, 200, 90).Str(text).Int(1);
        XGArgStream s = a.Stream();
        return new XGStaticText(fWindow, s);
    }

    std::vector<COLORREF> fSaved;
    TestApp* fApp = nullptr;
    XGWindow* fWindow = nullptr;
};

// Each case: the view, and the colours that must and must not appear.
TEST_F(HighContrast, TextsAndFieldsTakeTheSchemesColoursAndNoFixedBlackOrWhite)
{
    const std::vector<COLORREF> edit = Drawn(MakeEdit("Mmm Www"));
    EXPECT_GT(Count(edit, GetSysColor(COLOR_WINDOW)), 0);
    EXPECT_GT(Count(edit, GetSysColor(COLOR_WINDOWTEXT)), 0);
    EXPECT_EQ(Count(edit, kWhite), 0);
    EXPECT_EQ(Count(edit, kBlack), 0);

    const std::vector<COLORREF> text = Drawn(MakeText("Mmm Www"));
    EXPECT_GT(Count(text, GetSysColor(COLOR_BTNTEXT)), 0);
    EXPECT_EQ(Count(text, kBlack), 0);
}

TEST_F(HighContrast, WithTheSettingOffTheFixedColoursStay)
{
    XGContrast::SetOverride(XGContrast::kOff);
    const std::vector<COLORREF> edit = Drawn(MakeEdit("Mmm Www"));
    EXPECT_GT(Count(edit, kWhite), 0);
    EXPECT_GT(Count(edit, kBlack), 0);
    EXPECT_EQ(Count(edit, GetSysColor(COLOR_WINDOW)), 0);

    const std::vector<COLORREF> text = Drawn(MakeText("Mmm Www"));
    EXPECT_GT(Count(text, kBlack), 0);
    EXPECT_EQ(Count(text, GetSysColor(COLOR_BTNTEXT)), 0);
}

TEST_F(HighContrast, AListDrawsItsLinesAndItsSelectionInTheSchemesColours)
{
    XGListControl* list = MakeList();
    SetForegroundWindow(fWindow->GetHWND());
    Pump();
    const std::vector<COLORREF> lines = Drawn(list->GetListView());
    EXPECT_GT(Count(lines, GetSysColor(COLOR_WINDOW)), 0);
    EXPECT_GT(Count(lines, GetSysColor(COLOR_WINDOWTEXT)), 0);
    EXPECT_GT(Count(lines, GetSysColor(COLOR_HIGHLIGHT)), 0);
    EXPECT_GT(Count(lines, GetSysColor(COLOR_HIGHLIGHTTEXT)), 0);
    EXPECT_EQ(Count(lines, kWhite), 0);
    EXPECT_EQ(Count(lines, kBlack), 0);
}

TEST_F(HighContrast, WithTheSettingOffAListKeepsItsBlackOnWhite)
{
    XGContrast::SetOverride(XGContrast::kOff);
    const std::vector<COLORREF> lines = Drawn(MakeList()->GetListView());
    EXPECT_GT(Count(lines, kWhite), 0);
    EXPECT_GT(Count(lines, kBlack), 0);
    EXPECT_EQ(Count(lines, GetSysColor(COLOR_WINDOW)), 0);
}

// The tool bar (resource 150, its buttons not yet enabled by any command
// status) drawn in a strip at the window's top: face, edges, separator and
// the disabled icons come from the scheme and nothing else.
TEST_F(HighContrast, TheToolBarDrawsOnlyTheSchemesColours)
{
    XGToolbarView* tool = new XGToolbarView(150);
    tool->SetRootWindow(fWindow->GetHWND());
    const tagRECT strip = {0, 0, 200, 27};
    tool->SetLocation(strip);
    HWND root = fWindow->GetHWND();
    HDC dc = GetDC(root);
    HBRUSH unpainted = CreateSolidBrush(kUnpainted);
    FillRect(dc, &strip, unpainted);
    DeleteObject(unpainted);
    ReleaseDC(root, dc);
    tool->DoDrawView(strip);
    GdiFlush();
    const std::vector<COLORREF> pixels = Capture(strip);
    delete tool;
    long schemed = 0;
    for (int i = 0; i < kSchemeSize; ++i)
        schemed += Count(pixels, kScheme[i]);
    EXPECT_EQ(long(pixels.size()), schemed);
    EXPECT_GT(Count(pixels, GetSysColor(COLOR_BTNFACE)), 0);
    EXPECT_GT(Count(pixels, GetSysColor(COLOR_BTNSHADOW)), 0);
    EXPECT_GT(Count(pixels, GetSysColor(COLOR_BTNHIGHLIGHT)), 0);
}

TEST_F(HighContrast, APictureKeepsItsOwnColours)
{
    Args a = Args::View('pict', 0, 20, 100, 60, 140).Int(300).Int(0).Int(0);
    XGArgStream s = a.Stream();
    XGPicture* picture = new XGPicture(fWindow, s);
    Drawn(picture);
    EXPECT_EQ(RGB(255, 0, 0), testsupport::Pixel(fWindow->GetHWND(), 20, 100));
}

}  // namespace
