#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "KeboTestSupport.h"
#include "views/XGDraw.h"
#include "views/XGFont.h"
#include "controls/XGIcon.h"
#include "controls/XGPicture.h"
#include "controls/XGStaticText.h"

using namespace kebotest;

namespace {

const COLORREF kWhite = RGB(255, 255, 255);

class Passive : public ::testing::Test {
protected:
    void SetUp() override
    {
        fApp = new TestApp();
        XGSWindowInitRecord w = WindowRecord(2, "passive views", 300, 200);
        fWindow = new XGWindow(w, nullptr);
        UpdateWindow(fWindow->GetHWND());
        Pump();
    }
    void TearDown() override
    {
        delete fWindow;
        delete fApp;
        Pump();
    }

    // Paints the client area white, then lets only the view draw over it.
    void DrawAlone(XGView* view)
    {
        HWND root = fWindow->GetHWND();
        HDC dc = GetDC(root);
        RECT client;
        GetClientRect(root, &client);
        HBRUSH white = CreateSolidBrush(kWhite);
        FillRect(dc, &client, white);
        DeleteObject(white);
        ReleaseDC(root, dc);
        ValidateRect(root, nullptr);
        view->InvalView();
        UpdateWindow(root);
        GdiFlush();
    }

    // Client pixels of the rectangle, row by row.
    std::vector<COLORREF> Capture(const RECT& r)
    {
        HWND root = fWindow->GetHWND();
        int width = r.right - r.left, height = r.bottom - r.top;
        HDC dc = GetDC(root);
        HDC memory = CreateCompatibleDC(dc);
        HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, dc, r.left, r.top, SRCCOPY);
        std::vector<COLORREF> pixels;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                pixels.push_back(GetPixel(memory, x, y));
        SelectObject(memory, old);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(root, dc);
        return pixels;
    }

    // The bands of rows that carry ink: (first row, row after the last).
    std::vector<std::pair<int, int>> InkBands(const RECT& r)
    {
        std::vector<COLORREF> pixels = Capture(r);
        int width = r.right - r.left, height = r.bottom - r.top;
        std::vector<std::pair<int, int>> bands;
        bool inBand = false;
        for (int y = 0; y < height; ++y) {
            bool ink = false;
            for (int x = 0; x < width && !ink; ++x)
                ink = pixels[size_t(y * width + x)] != kWhite;
            if (ink && !inBand)
                bands.push_back({y, y + 1});
            else if (ink)
                bands.back().second = y + 1;
            inBand = ink;
        }
        return bands;
    }

    XGStaticText* MakeText(const char* text, short width, bool enabled = true)
    {
        Args a = Args::View('text', 0, 10, 10, short(10 + width), 150, true, enabled).Str(text).Int(1);
    XGArgStream s = a.Stream();
        return new XGStaticText(fWindow, s);
    }

    // Pixel width of text in the static text's font (built-in font 1).
    int Width(const char* text)
    {
        XGFont* font = XGFont::LoadFont(1);
        HWND root = fWindow->GetHWND();
        HDC dc = GetDC(root);
        HGDIOBJ old = SelectObject(dc, font->GetFont(dc));
        SIZE size;
        GetTextExtentPoint32A(dc, text, int(strlen(text)), &size);
        SelectObject(dc, old);
        ReleaseDC(root, dc);
        font->Detach();
        return size.cx;
    }

    TestApp* fApp = nullptr;
    XGWindow* fWindow = nullptr;
};

const RECT kTextArea = {10, 10, 290, 150};

TEST_F(Passive, TwoWordsTooWideForOneLineTakeTwoLines)
{
    // Room for either word (plus the one-pixel margins) but not both.
    int room = std::max(Width("Alpha"), Width("Beta")) + 4;
    ASSERT_LT(room, Width("Alpha Beta") + 2);
    XGStaticText* narrow = MakeText("Alpha Beta", short(room));
    DrawAlone(narrow);
    EXPECT_EQ(2u, InkBands(kTextArea).size());
    delete narrow;

    XGStaticText* wide = MakeText("Alpha Beta", 250);
    DrawAlone(wide);
    EXPECT_EQ(1u, InkBands(kTextArea).size());
}

TEST_F(Passive, EmptyLinesCollapse)
{
    XGStaticText* one = MakeText("Alpha\nBeta", 250);
    DrawAlone(one);
    std::vector<std::pair<int, int>> single = InkBands(kTextArea);
    delete one;

    XGStaticText* two = MakeText("Alpha\n\n\nBeta", 250);
    DrawAlone(two);
    std::vector<std::pair<int, int>> collapsed = InkBands(kTextArea);
    ASSERT_EQ(2u, single.size());
    EXPECT_EQ(single, collapsed);  // the second line is not pushed down
}

TEST_F(Passive, AWordWiderThanTheViewIsDrawnWholeAndClipped)
{
    XGStaticText* text = MakeText("Unbreakable", 20);
    DrawAlone(text);
    std::vector<std::pair<int, int>> bands = InkBands(kTextArea);
    EXPECT_EQ(1u, bands.size());
    // Nothing right of the view.
    RECT right = {30, 10, 290, 150};
    EXPECT_TRUE(InkBands(right).empty());
}

TEST_F(Passive, DisabledTextIsDrawnInTheButtonShadowColour)
{
    COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    auto inks = [&](bool enabled) {
        XGStaticText* text = MakeText("WWWW", 250, enabled);
        DrawAlone(text);
        std::vector<COLORREF> pixels = Capture(kTextArea);
        delete text;
        bool black = false, grey = false;
        for (COLORREF c : pixels) {
            black = black || c == RGB(0, 0, 0);
            grey = grey || c == shadow;
        }
        return std::make_pair(black, grey);
    };
    EXPECT_EQ(std::make_pair(false, true), inks(false));
    EXPECT_EQ(std::make_pair(true, false), inks(true));
}

TEST_F(Passive, SetTitleRedrawsWithTheNewText)
{
    XGStaticText* text = MakeText("", 250);
    DrawAlone(text);
    EXPECT_TRUE(InkBands(kTextArea).empty());
    text->SetTitle("Now");
    UpdateWindow(fWindow->GetHWND());
    EXPECT_EQ(1u, InkBands(kTextArea).size());
    char title[256];
    text->GetTitle(title);
    EXPECT_STREQ("Now", title);
}

TEST_F(Passive, LongTextGivesOnlyItsFirst255CharactersAsTitle)
{
    std::string text = "&Wide " + std::string(594, 'x');
    text.replace(400, 2, "&Q");
    XGStaticText* view = MakeText("", 250);
    view->SetTitle(text.c_str());
    struct {
        char title[256];
        char after[512];
    } buffer;
    std::memset(&buffer, '#', sizeof buffer);
    view->GetTitle(buffer.title);
    EXPECT_EQ(text.substr(0, 255), std::string(buffer.title));
    EXPECT_EQ(std::string(sizeof buffer.after, '#'), std::string(buffer.after, sizeof buffer.after));
    // Alt+letter reads titles the same way: an ampersand past them is no key.
    EXPECT_EQ(view, fWindow->FindViewByAccel('w'));
    EXPECT_EQ(nullptr, fWindow->FindViewByAccel('q'));
}

TEST_F(Passive, LongTitleInAnyScriptIsCutWhereACharacterEnds)
{
    std::string text = "ab";
    for (int i = 0; i < 100; ++i)
        text += "\xE6\x97\xA5";
    XGStaticText* view = MakeText("", 250);
    view->SetTitle(text.c_str());
    char title[256];
    view->GetTitle(title);
    // 255 bytes hold "ab" and 84 whole characters, not two bytes of the 85th.
    EXPECT_EQ(text.substr(0, 2 + 84 * 3), std::string(title));
}

TEST_F(Passive, PictureInACentredBandStartsAtTheBand)
{
    // 100 pixels wide, band 32: the bitmap starts 34 pixels in.
    Args a = Args::View('pict', 0, 20, 20, 120, 60).Int(300).Int(32).Int(0);
    XGArgStream s = a.Stream();
    XGPicture* picture = new XGPicture(fWindow, s);
    DrawAlone(picture);
    EXPECT_EQ(RGB(255, 0, 0), Pixel(fWindow->GetHWND(), 20 + 34, 20));
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), Pixel(fWindow->GetHWND(), 20 + 33, 22));  // sunken frame
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), Pixel(fWindow->GetHWND(), 20 + 32, 22));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), Pixel(fWindow->GetHWND(), 20 + 34 + 8, 22));  // bitmap keeps its size
}

TEST_F(Passive, PictureWithoutABandStartsAtTheTopLeftCorner)
{
    Args a = Args::View('pict', 0, 20, 20, 120, 60).Int(300).Int(0).Int(0);
    XGArgStream s = a.Stream();
    XGPicture* picture = new XGPicture(fWindow, s);
    DrawAlone(picture);
    EXPECT_EQ(RGB(255, 0, 0), Pixel(fWindow->GetHWND(), 20, 20));
    EXPECT_EQ(RGB(255, 0, 0), Pixel(fWindow->GetHWND(), 27, 27));
    EXPECT_NE(RGB(255, 0, 0), Pixel(fWindow->GetHWND(), 28, 28));
}

TEST_F(Passive, IconIsDrawnOnButtonFace)
{
    Args a = Args::View('icon', 0, 20, 20, 60, 60).Int(0).Int(32).Int(32);
    XGArgStream s = a.Stream();
    XGIcon* icon = new XGIcon(fWindow, s);
    DrawAlone(icon);
    std::vector<COLORREF> pixels = Capture(RECT{24, 24, 56, 56});
    size_t painted = 0;
    for (COLORREF c : pixels)
        painted += c != GetSysColor(COLOR_BTNFACE) && c != kWhite;
    EXPECT_GT(painted, 50u);  // the stop icon's red disc
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), Pixel(fWindow->GetHWND(), 21, 21));
}

}  // namespace
