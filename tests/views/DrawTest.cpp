#include <gtest/gtest.h>

#include <memory>

#include "ViewsTestHost.h"

#include <cstring>
#include <cwchar>
#include "dispatch/XGGlobals.h"
#include "views/XGCursor.h"
#include "views/XGDraw.h"
#include "views/XGView.h"

using namespace viewstest;

namespace {

const COLORREF kGreen = RGB(0, 128, 0);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);

class Drawing : public ::testing::Test {
protected:
    void SetUp() override
    {
        root.reset(MakeRoot(host));
        host.Clear(kGreen);
    }
    void TearDown() override { XGDraw::UpdateRect(nullptr); }

    bool AnyPixelIn(tagRECT r, COLORREF color)
    {
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (host.Pixel(x, y) == color)
                    return true;
        return false;
    }
    bool AllPixelsIn(tagRECT r, COLORREF color)
    {
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (host.Pixel(x, y) != color)
                    return false;
        return true;
    }

    Host& host = Host::Shared();
    std::unique_ptr<XGView> root;
};

}  // namespace

TEST_F(Drawing, ViewWithoutChildrenDrawsItsPlaceholder)
{
    new XGView(root.get(), Fixed(7, 50, 50, 150, 100));
    root->ProcessDraw(Rect(0, 0, 400, 300));
    EXPECT_EQ(host.Pixel(50, 50), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(host.Pixel(149, 99), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(host.Pixel(140, 90), GetSysColor(COLOR_BTNFACE));
    // The label 'view'7 in black, its baseline 15 pixels down.
    EXPECT_TRUE(AnyPixelIn(Rect(55, 55, 100, 66), kBlack));
    // The root has a child, so it draws nothing around it.
    EXPECT_EQ(host.Pixel(49, 49), kGreen);
    EXPECT_EQ(host.Pixel(150, 100), kGreen);
}

TEST_F(Drawing, DrawWalkSkipsHiddenViewsAndClipsToTheUpdateArea)
{
    XGSViewInitRecord hidden = Fixed(1, 200, 50, 300, 100);
    hidden.fVisible = false;
    new XGView(root.get(), hidden);
    new XGView(root.get(), Fixed(2, 50, 50, 150, 100));
    tagRECT update = Rect(60, 60, 80, 80);
    XGDraw::UpdateRect(&update);
    root->ProcessDraw(update);
    XGDraw::UpdateRect(nullptr);
    EXPECT_EQ(host.Pixel(70, 70), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(host.Pixel(59, 70), kGreen);
    EXPECT_EQ(host.Pixel(80, 70), kGreen);
    EXPECT_EQ(host.Pixel(50, 50), kGreen);
    EXPECT_EQ(host.Pixel(210, 70), kGreen);
}

TEST_F(Drawing, ContextOriginIsTheViewCornerAndNothingLandsOutsideTheView)
{
    XGView* view = new XGView(root.get(), Fixed(1, 100, 80, 140, 120));
    {
        XGDraw draw(view, true);
        draw.FillRect(-50, -50, 200, 200, kRed);
        draw.FillRect(0, 0, 1, 1, kBlue);
    }
    EXPECT_EQ(host.Pixel(100, 80), kBlue);
    EXPECT_EQ(host.Pixel(139, 119), kRed);
    EXPECT_EQ(host.Pixel(99, 80), kGreen);
    EXPECT_EQ(host.Pixel(140, 100), kGreen);
    EXPECT_EQ(host.Pixel(120, 120), kGreen);
}

TEST_F(Drawing, ContextsAlsoClipToTheUpdateAreaAndToAGivenRectangle)
{
    XGView* view = new XGView(root.get(), Fixed(1, 100, 80, 200, 180));
    tagRECT update = Rect(120, 100, 300, 300);
    XGDraw::UpdateRect(&update);
    {
        XGDraw draw(view, true);
        tagRECT local = Rect(0, 0, 50, 50);
        draw.ClipRect(&local);
        draw.FillRect(0, 0, 100, 100, kRed);
    }
    XGDraw::UpdateRect(nullptr);
    EXPECT_EQ(host.Pixel(120, 100), kRed);
    EXPECT_EQ(host.Pixel(149, 129), kRed);
    EXPECT_EQ(host.Pixel(119, 110), kGreen);
    EXPECT_EQ(host.Pixel(150, 110), kGreen);
    EXPECT_EQ(host.Pixel(130, 130), kGreen);
}

TEST_F(Drawing, ChildWhollyOutsideItsParentDrawsNothing)
{
    XGView* parent = new XGView(root.get(), Fixed(1, 100, 100, 200, 200));
    XGView* outside = new XGView(parent, Fixed(2, 150, 0, 200, 50));
    {
        XGDraw draw(outside, true);
        draw.FillRect(0, 0, 50, 50, kRed);
    }
    root->ProcessDraw(Rect(0, 0, 400, 300));
    EXPECT_EQ(host.Pixel(260, 110), kGreen);
}

TEST_F(Drawing, NestedContextGivesTheOuterOneItsStateBack)
{
    XGView* a = new XGView(root.get(), Fixed(1, 10, 10, 60, 60));
    XGView* b = new XGView(root.get(), Fixed(2, 200, 100, 260, 160));
    XGDraw outer(a, true);
    outer.SetForeColor(kRed);
    {
        XGDraw inner(b, true);
        EXPECT_EQ(XGDraw::gDraw, &inner);
        EXPECT_EQ(GetTextColor(inner.GetDC()), kBlack);
        inner.FillRect(0, 0, 5, 5, kBlue);
    }
    EXPECT_EQ(XGDraw::gDraw, &outer);
    EXPECT_EQ(GetTextColor(outer.GetDC()), kRed);
    outer.FillRect(0, 0, 5, 5, kWhite);
    outer.FillRect(100, 100, 300, 300, kWhite);
    GdiFlush();
    EXPECT_EQ(host.Pixel(200, 100), kBlue);
    EXPECT_EQ(host.Pixel(10, 10), kWhite);
    EXPECT_EQ(host.Pixel(110, 110), kGreen);
}

TEST_F(Drawing, AccelerationTextUnderlinesTheMarkedLetter)
{
    XGView* view = new XGView(root.get(), Fixed(1, 0, 0, 300, 100));
    XGDraw draw(view, true);
    draw.FillRect(0, 0, 300, 100, kWhite);
    short wF = draw.StringWidth("F", 1);
    short wFile = draw.StringWidth("File");
    ASSERT_GT(wF, 2);

    draw.MoveTo(10, 30);
    draw.DrawStringA("&File");
    EXPECT_EQ(draw.GetPenPos().h, 10 + wFile);
    EXPECT_EQ(draw.GetPenPos().v, 30);
    EXPECT_TRUE(AllPixelsIn(Rect(10, 31, 10 + wF - 1, 32), kBlack));
    EXPECT_FALSE(AnyPixelIn(Rect(10 + wF + 1, 31, 10 + wFile, 32), kBlack));
    EXPECT_TRUE(AnyPixelIn(Rect(10, 20, 10 + wFile, 30), kBlack));

    draw.SetAUnderscore(false);
    draw.MoveTo(10, 60);
    draw.DrawStringA("&File");
    EXPECT_EQ(draw.GetPenPos().h, 10 + wFile);
    EXPECT_FALSE(AnyPixelIn(Rect(10, 61, 10 + wFile, 62), kBlack));
    draw.SetAUnderscore(true);

    draw.MoveTo(150, 30);
    draw.DrawStringA("A&&B");
    EXPECT_EQ(draw.GetPenPos().h, 150 + draw.StringWidth("A&B"));
    EXPECT_FALSE(AnyPixelIn(Rect(150, 31, 150 + draw.StringWidth("A&B"), 32), kBlack));
    EXPECT_EQ(draw.StringWidthA("A&&B"), draw.StringWidth("A&B"));
    EXPECT_EQ(draw.StringWidthA("&File"), wFile);
}

TEST_F(Drawing, AcceleratorWidthOfALongTitleIsMeasuredWhole)
{
    XGView* view = new XGView(root.get(), Fill(1));
    XGDraw draw(view, true);
    std::string text(400, 'x');
    text[100] = '&';
    std::string shown(399, 'x');
    EXPECT_EQ(draw.StringWidthA(text.c_str()), draw.StringWidth(shown.c_str()));
}

TEST_F(Drawing, UTF8TextIsMeasuredAndDrawnAsItsCharacters)
{
    XGView* view = new XGView(root.get(), Fixed(1, 0, 0, 300, 100));
    XGDraw draw(view, true);
    draw.FillRect(0, 0, 300, 100, kWhite);
    const struct {
        const char* utf8;
        const wchar_t* utf16;
    } cases[] = {
        {"caf\xC3\xA9 \xE2\x98\x95", L"caf\u00E9 \u2615"},
        {"\xCE\xA9mega", L"\u03A9mega"},
        {"\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E", L"\u65E5\u672C\u8A9E"},
    };
    HDC dc = draw.GetDC();
    for (const auto& c : cases) {
        SIZE size = {};
        GetTextExtentPoint32W(dc, c.utf16, int(wcslen(c.utf16)), &size);
        EXPECT_EQ(size.cx, draw.StringWidth(c.utf8)) << c.utf8;
        draw.MoveTo(10, 30);
        draw.DrawString(c.utf8);
        EXPECT_EQ(10 + size.cx, draw.GetPenPos().h) << c.utf8;
        // Masked, one star a character.
        EXPECT_EQ(int(wcslen(c.utf16)),
                  draw.TabStringWidth(c.utf8, std::strlen(c.utf8), 0, true, 0) / draw.StringWidth("*", 1))
            << c.utf8;
    }
    // The marked character of an accelerator title is a whole character.
    draw.MoveTo(10, 60);
    draw.DrawStringA("&\xCE\xA9mega");
    EXPECT_EQ(10 + draw.StringWidth("\xCE\xA9mega"), draw.GetPenPos().h);
    EXPECT_EQ(draw.StringWidth("\xCE\xA9mega"), draw.StringWidthA("&\xCE\xA9mega"));
}

TEST_F(Drawing, CharacterAboveTheBmpDrawsAsOneGlyphAndMeasuresAsDrawn)
{
    // GDI under Wine draws the two halves of a surrogate pair as two
    // missing-glyph boxes even where the font has the character.
    XGView* view = new XGView(root.get(), Fixed(1, 0, 0, 300, 100));
    XGDraw draw(view, true);
    const char* const texts[] = {"\xF0\x9F\x98\x80", "\xF0\x9F\x91\x8D"};
    for (const char* text : texts) {
        draw.FillRect(0, 0, 300, 100, kWhite);
        short width = draw.StringWidth(text);
        ASSERT_GT(width, 0) << text;
        draw.MoveTo(10, 40);
        draw.DrawString(text);
        EXPECT_EQ(10 + width, draw.GetPenPos().h) << text;
        EXPECT_EQ(40, draw.GetPenPos().v) << text;
        // Runs of columns with ink: one glyph (or one box) is one run.
        int runs = 0;
        bool inked = false;
        for (int x = 8; x < 10 + 2 * width + 4; ++x) {
            bool column = !AllPixelsIn(Rect(x, 40 - 2 * width, x + 1, 44), kWhite);
            runs += column && !inked;
            inked = column;
        }
        EXPECT_EQ(runs, 1) << text;
        // Measured in a longer run as drawn, the masked form one star.
        std::string line = std::string("a") + text + "b";
        draw.MoveTo(10, 40);
        draw.DrawString(line.c_str());
        EXPECT_EQ(10 + draw.StringWidth(line.c_str()), draw.GetPenPos().h) << text;
        EXPECT_EQ(draw.TabStringWidth(line.c_str(), line.size(), 0, false, 0), draw.StringWidth(line.c_str()));
        EXPECT_EQ(3 * draw.StringWidth("*", 1), draw.TabStringWidth(line.c_str(), line.size(), 0, true, 0));
    }
}

TEST_F(Drawing, StringWidthOfLengthZeroIsZeroAndMinusOneStopsAtTheTerminator)
{
    XGView* view = new XGView(root.get(), Fill(1));
    XGDraw draw(view, true);
    EXPECT_EQ(draw.StringWidth("Hello", 0), 0);
    EXPECT_EQ(draw.StringWidth("Hello", -1), draw.StringWidth("Hello", 5));
    EXPECT_GT(draw.StringWidth("Hello", 5), draw.StringWidth("Hello", 4));
}

TEST_F(Drawing, TabsMoveToTheNextMultipleOfTheTabWidth)
{
    XGView* view = new XGView(root.get(), Fill(1));
    XGDraw draw(view, true);
    int tab = 8 * draw.StringWidth("m", 1);
    int wc = draw.StringWidth("c", 1);
    ASSERT_LT(draw.StringWidth("ab"), tab);

    EXPECT_EQ(draw.TabStringWidth("ab\tc", 4, 0, false, 0), tab + wc);
    EXPECT_EQ(draw.TabStringWidth("\t", 1, 8, false, 15), tab);
    EXPECT_EQ(draw.TabStringWidth("\t", 1, 8, false, tab), 2 * tab);
    EXPECT_EQ(draw.TabStringWidth("\t", 1, 2, false, 0), 2 * draw.StringWidth("m", 1));
    EXPECT_EQ(draw.TabStringWidth("abc", 3, 0, true, 0), 3 * draw.StringWidth("*", 1));

    draw.MoveTo(0, 20);
    draw.TabDrawString("ab\tc", 0, 4, 0, false);
    EXPECT_EQ(draw.GetPenPos().h, tab + wc);

    // Starting in the middle keeps the tab stops of the whole line.
    draw.MoveTo(0, 40);
    draw.TabDrawString("ab\tc\td", 3, 6, 0, false);
    EXPECT_EQ(draw.GetPenPos().h, tab + draw.StringWidth("d", 1));

    draw.MoveTo(0, 60);
    draw.TabDrawString("abc", 2, 2, 0, false);
    EXPECT_EQ(draw.GetPenPos().h, 0);
}

TEST_F(Drawing, PaletteCodesMapToSystemColoursAndOtherValuesPass)
{
    struct Case {
        unsigned long code;
        COLORREF expected;
    } cases[] = {
        {0x000000FF, RGB(255, 0, 0)},
        {0x00123456, 0x00123456},
        {kPaletteBlack, kBlack},
        {kPaletteWhite, kWhite},
        {kPaletteButtonText, GetSysColor(COLOR_BTNTEXT)},
        {kPaletteButtonHighlight, GetSysColor(COLOR_BTNHIGHLIGHT)},
        {kPaletteButtonFace, GetSysColor(COLOR_BTNFACE)},
        {kPaletteButtonShadow, GetSysColor(COLOR_BTNSHADOW)},
        {0x10000006, GetSysColor(COLOR_HIGHLIGHT)},
        {0x10000008, GetSysColor(COLOR_HIGHLIGHT)},
        {0x10000007, GetSysColor(COLOR_HIGHLIGHTTEXT)},
        {0x10000009, GetSysColor(COLOR_HIGHLIGHTTEXT)},
        {0x1000000A, GetSysColor(COLOR_INFOBK)},
        {0x1000000B, GetSysColor(COLOR_INFOTEXT)},
        {0x1000000C, kBlack},
        {0x1000FFFF, kBlack},
    };
    for (const Case& c : cases)
        EXPECT_EQ(XGDraw::ColorFromPalette(c.code), c.expected) << std::hex << c.code;
}

TEST_F(Drawing, RectangleTypesDrawTheirFramesAndFills)
{
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    struct Case {
        XGERectType type;
        COLORREF topLeft, bottomRight, innerTopLeft, innerBottomRight, middle;
    } cases[] = {
        {kRectBlackFrame, kBlack, kBlack, kGreen, kGreen, kGreen},
        {kRectSunken, shadow, light, kGreen, kGreen, kGreen},
        {kRectRaised, light, shadow, kGreen, kGreen, kGreen},
        {kRectBlackRaised, kBlack, kBlack, light, shadow, kGreen},
        {kRectBlackSunken, kBlack, kBlack, shadow, light, kGreen},
        {kRectShadowFrame, shadow, shadow, kGreen, kGreen, kGreen},
        {kRectFaceFrame, face, face, kGreen, kGreen, kGreen},
        {kRectFaceFill, face, face, face, face, face},
        {kRectHighlightFrame, light, light, kGreen, kGreen, kGreen},
        {XGERectType(42), kGreen, kGreen, kGreen, kGreen, kGreen},
    };
    XGView* view = new XGView(root.get(), Fill(1));
    for (const Case& c : cases) {
        host.Clear(kGreen);
        {
            XGDraw draw(view, true);
            draw.Draw3DRect(Rect(20, 20, 60, 60), c.type);
        }
        EXPECT_EQ(host.Pixel(20, 20), c.topLeft) << int(c.type);
        EXPECT_EQ(host.Pixel(59, 59), c.bottomRight) << int(c.type);
        EXPECT_EQ(host.Pixel(21, 21), c.innerTopLeft) << int(c.type);
        EXPECT_EQ(host.Pixel(58, 58), c.innerBottomRight) << int(c.type);
        EXPECT_EQ(host.Pixel(40, 40), c.middle) << int(c.type);
        EXPECT_EQ(host.Pixel(60, 60), kGreen) << int(c.type);
    }
}

TEST_F(Drawing, ProgramIconsDrawAtTheirOwnSizeAndMissingOnesDrawNothing)
{
    XGView* view = new XGView(root.get(), Fill(1));
    {
        XGDraw draw(view, true);
        draw.DrawIcon(201, 10, 10, true);
        draw.DrawIcon(999, 100, 10, true);
        draw.DrawIcon(0, 200, 10, true);
        draw.DrawIcon(201, 300, 10, false);
    }
    EXPECT_EQ(host.Pixel(10, 10), kBlue);
    EXPECT_EQ(host.Pixel(25, 25), kBlue);
    EXPECT_EQ(host.Pixel(26, 20), kGreen);
    EXPECT_EQ(host.Pixel(20, 26), kGreen);
    EXPECT_TRUE(AllPixelsIn(Rect(100, 10, 132, 42), kGreen));
    EXPECT_FALSE(AllPixelsIn(Rect(200, 10, 232, 42), kGreen));
    // The disabled icon is drawn, greyed: something of it shows, nothing in its own blue.
    EXPECT_FALSE(AllPixelsIn(Rect(300, 10, 318, 28), kGreen));
    EXPECT_FALSE(AnyPixelIn(Rect(300, 10, 318, 28), kBlue));
}

TEST_F(Drawing, PicturesDrawAtTheirOwnSizeAndMissingOnesDrawNothing)
{
    XGView* view = new XGView(root.get(), Fixed(1, 100, 100, 300, 300));
    {
        XGDraw draw(view, true);
        draw.DrawPicture(200, 30, 40);
        draw.DrawPicture(999, 0, 0);
    }
    EXPECT_EQ(host.Pixel(130, 140), kRed);
    EXPECT_EQ(host.Pixel(137, 145), kRed);
    EXPECT_EQ(host.Pixel(138, 145), kGreen);
    EXPECT_EQ(host.Pixel(137, 146), kGreen);
    EXPECT_EQ(host.Pixel(100, 100), kGreen);
}

TEST_F(Drawing, LinesUseThePenWidthAndForeColourAndOvalsFillInside)
{
    XGView* view = new XGView(root.get(), Fill(1));
    {
        XGDraw draw(view, true);
        draw.SetForeColor(kRed);
        draw.MoveTo(10, 10);
        draw.LineTo(50, 10);
        draw.SetPenWidth(5);
        draw.MoveTo(10, 40);
        draw.LineTo(50, 40);
        draw.SetForeColor(kBlue);
        draw.PaintOval(Rect(100, 100, 140, 140));
    }
    EXPECT_EQ(host.Pixel(10, 10), kRed);
    EXPECT_EQ(host.Pixel(49, 10), kRed);
    EXPECT_EQ(host.Pixel(50, 10), kGreen);
    EXPECT_EQ(host.Pixel(30, 11), kGreen);
    EXPECT_EQ(host.Pixel(30, 42), kRed);
    EXPECT_EQ(host.Pixel(120, 120), kBlue);
    EXPECT_EQ(host.Pixel(101, 101), kGreen);
}

TEST_F(Drawing, EraseUsesTheBackgroundAndInvertFlipsPixels)
{
    XGView* view = new XGView(root.get(), Fill(1));
    {
        XGDraw draw(view, true);
        draw.SetBackColor(kBlue);
        draw.EraseRect(Rect(0, 0, 10, 10));
        draw.InvertRect(Rect(20, 0, 30, 10));
        draw.FillRect(Rect(40, 0, 50, 10), kPaletteButtonShadow);
        EXPECT_EQ(GetBkColor(draw.GetDC()), kBlue);
    }
    EXPECT_EQ(host.Pixel(5, 5), kBlue);
    EXPECT_EQ(host.Pixel(25, 5), RGB(255, 127, 255));
    EXPECT_EQ(host.Pixel(45, 5), GetSysColor(COLOR_BTNSHADOW));
}

TEST(Cursor, NumbersNameSystemCursorsAndUnknownOnesGiveTheArrow)
{
    struct Case {
        short id;
        LPCSTR system;
    } cases[] = {
        {1, reinterpret_cast<LPCSTR>(IDC_IBEAM)}, {2, reinterpret_cast<LPCSTR>(IDC_CROSS)},
        {3, reinterpret_cast<LPCSTR>(IDC_CROSS)}, {4, reinterpret_cast<LPCSTR>(IDC_WAIT)},
        {0, reinterpret_cast<LPCSTR>(IDC_ARROW)}, {999, reinterpret_cast<LPCSTR>(IDC_ARROW)},
    };
    // Twice: the second time from the cursors kept the first time.
    for (int pass = 0; pass < 2; ++pass) {
        for (const Case& c : cases) {
            SetCursorID(c.id);
            EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, c.system)) << c.id << " pass " << pass;
        }
    }
}

// The program's cursor 202 looked for first in a module that has none (as
// when it cannot be loaded for the moment) and then where it is.
TEST(Cursor, ACursorThatCouldNotBeLoadedIsLoadedOnceItCanBe)
{
    HINSTANCE program = GetModuleHandleA(nullptr);
    const HCURSOR square = LoadCursorA(program, MAKEINTRESOURCEA(202));
    ASSERT_NE(nullptr, square);
    const HCURSOR arrow = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    HINSTANCE saved = _GInstance;
    struct Step {
        HINSTANCE module;
        HCURSOR expected;
    } steps[] = {
        {GetModuleHandleA("kernel32.dll"), arrow},
        {GetModuleHandleA("kernel32.dll"), arrow},
        {program, square},
        {program, square},
    };
    for (const Step& step : steps) {
        _GInstance = step.module;
        SetCursorID(202);
        EXPECT_EQ(step.expected, GetCursor()) << (step.module == program ? "program" : "kernel32");
    }
    _GInstance = saved;
}
