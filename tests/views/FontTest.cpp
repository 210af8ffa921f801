#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include "ViewsTestHost.h"
#include "views/XGDraw.h"
#include "foundation/XGError.h"
#include "views/XGFont.h"

using namespace viewstest;

namespace {

bool Registered(XGFont* font)
{
    for (long i = 0; i < XGFont::gFontArray.Length(); ++i)
        if (XGFont::gFontArray[i] == font)
            return true;
    return false;
}

// Tries every change on a font loaded as built-in font 0; none may take.
void ExpectChangesRefused(XGFont* font)
{
    font->SetFontSize(30);
    font->SetFontName("Courier New");
    font->SetFontFlags(0);
    EXPECT_EQ(font->GetFontSize(), 9);
    EXPECT_STREQ(font->GetFontName(), "Arial");
    EXPECT_EQ(font->GetFontFlags(), XGFont::kBold);
    EXPECT_EQ(font->GetFontResID(), 0);
}

LOGFONTA Describe(XGFont* font)
{
    LOGFONTA lf = {};
    GetObjectA(font->GetFont(nullptr), sizeof(lf), &lf);
    return lf;
}

}  // namespace

TEST(Font, BuiltInFontsAreArialBoldArialAndCourier)
{
    struct Case {
        short number;
        const char* face;
        short size;
        short flags;
    } cases[] = {
        {0, "Arial", 9, XGFont::kBold},
        {1, "Arial", 8, 0},
        {2, "Courier New", 8, 0},
    };
    for (const Case& c : cases) {
        XGFont* font = XGFont::LoadFont(c.number);
        ASSERT_NE(font, nullptr);
        EXPECT_STREQ(font->GetFontName(), c.face);
        EXPECT_EQ(font->GetFontSize(), c.size);
        EXPECT_EQ(font->GetFontFlags(), c.flags);
        EXPECT_EQ(font->GetFontResID(), c.number);
        EXPECT_EQ(font->GetAttach(), 1);
        font->Detach();
    }
    EXPECT_EQ(XGFont::LoadFont(3), nullptr);
    EXPECT_EQ(XGFont::LoadFont(-1), nullptr);
}

TEST(Font, StyleFlagsShapeTheWindowsFont)
{
    XGFont* font = new XGFont;
    font->SetFontName("Courier New");
    font->SetFontSize(12);
    font->SetFontFlags(XGFont::kBold | XGFont::kItalic | XGFont::kUnderline | XGFont::kFixedPitch
                       | XGFont::kRoman);
    LOGFONTA lf = Describe(font);
    EXPECT_EQ(lf.lfWeight, 700);
    EXPECT_TRUE(lf.lfItalic);
    EXPECT_TRUE(lf.lfUnderline);
    EXPECT_EQ(lf.lfPitchAndFamily & 3, FIXED_PITCH);
    EXPECT_EQ(lf.lfPitchAndFamily & 0xF0, FF_ROMAN);
    HDC display = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    EXPECT_EQ(lf.lfHeight, -(12 * GetDeviceCaps(display, LOGPIXELSY) / 72));
    DeleteDC(display);
    EXPECT_STREQ(lf.lfFaceName, "Courier New");

    font->SetFontFlags(0);
    lf = Describe(font);
    EXPECT_EQ(lf.lfWeight, 400);
    EXPECT_EQ(lf.lfPitchAndFamily & 3, VARIABLE_PITCH);
    EXPECT_EQ(lf.lfPitchAndFamily & 0xF0, FF_SWISS);
    font->Detach();
}

TEST(Font, HandleIsMadeOnceAndRemadeAfterAChange)
{
    XGFont* font = XGFont::LoadFont(1);
    HFONT first = font->GetFont(nullptr);
    EXPECT_EQ(font->GetFont(nullptr), first);
    font->SetFontSize(20);
    EXPECT_EQ(font->GetFontResID(), -1);
    LOGFONTA lf = Describe(font);
    HDC display = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    EXPECT_EQ(lf.lfHeight, -(20 * GetDeviceCaps(display, LOGPIXELSY) / 72));
    DeleteDC(display);
    font->Detach();
}

TEST(Font, ChangesAreIgnoredWhileSomeoneElseHoldsTheFont)
{
    XGFont* font = XGFont::LoadFont(0);
    font->Attach();
    ExpectChangesRefused(font);

    font->Detach();
    font->SetFontSize(30);
    EXPECT_EQ(font->GetFontSize(), 30);
    EXPECT_EQ(font->GetFontResID(), -1);
    font->Detach();
}

TEST(Font, LastDetachDeletesTheFontAndUnregistersIt)
{
    long before = XGFont::gFontArray.Length();
    XGFont* font = new XGFont;
    EXPECT_TRUE(Registered(font));
    EXPECT_EQ(XGFont::gFontArray.Length(), before + 1);
    font->Attach();
    font->Detach();
    EXPECT_TRUE(Registered(font));
    font->Detach();
    EXPECT_FALSE(Registered(font));
    EXPECT_EQ(XGFont::gFontArray.Length(), before);
}

TEST(Font, DeletingAFontStillAttachedRaisesTheAssertionAndLeavesNoDanglingEntry)
{
    XGFont* font = new XGFont;
    try {
        delete font;
        FAIL() << "no assertion";
    } catch (const XGError& error) {
        char text[256];
        error.GetLongError(text);
        EXPECT_NE(strstr(text, "fAttach <= 0"), nullptr) << text;
        EXPECT_NE(strstr(text, "XGFont 122"), nullptr) << text;
    }
    EXPECT_FALSE(Registered(font));
}

TEST(Font, LongFaceNamesAreCut)
{
    XGFont* font = new XGFont;
    std::string name(200, 'a');
    font->SetFontName(name.c_str());
    EXPECT_EQ(strlen(font->GetFontName()), 63u);
    font->Detach();
}

TEST(Font, ContextAttachesItsFontAndDetachesItAtTheEnd)
{
    Host& host = Host::Shared();
    std::unique_ptr<XGView> root(MakeRoot(host));
    XGFont* big = XGFont::LoadFont(0);
    XGFont* small = XGFont::LoadFont(2);
    {
        XGDraw draw(root.get(), true);
        short defaultHeight = draw.GetFontHeight();
        draw.SetFont(big, true);
        EXPECT_EQ(big->GetAttach(), 2);
        EXPECT_GT(draw.GetFontHeight(), defaultHeight);
        EXPECT_EQ(draw.GetFontHeight(), draw.GetFontAscent() + draw.GetFontDescent());
        draw.SetFont(small, true);
        EXPECT_EQ(big->GetAttach(), 1);
        EXPECT_EQ(small->GetAttach(), 2);
        draw.SetFont(nullptr, true);
        EXPECT_EQ(draw.GetFontPtr(), small);
    }
    EXPECT_EQ(small->GetAttach(), 1);
    big->Detach();
    small->Detach();
}

TEST(Font, SettingTheSameFontAgainKeepsTheContextsReference)
{
    Host& host = Host::Shared();
    std::unique_ptr<XGView> root(MakeRoot(host));
    XGFont* font = XGFont::LoadFont(0);
    font->Attach();  // the reference handed over to the context
    {
        XGDraw draw(root.get(), true);
        draw.SetFont(font, false);
        draw.SetFont(font, false);
        EXPECT_EQ(font->GetAttach(), 2);
        // A view's context draws with the font made for the view's DPI.
        EXPECT_EQ(GetCurrentObject(draw.GetDC(), OBJ_FONT), static_cast<HGDIOBJ>(font->GetFontForDpi(root->GetDpi())));
    }
    ASSERT_TRUE(Registered(font));
    EXPECT_EQ(font->GetAttach(), 1);
    font->Detach();
}

TEST(Font, ChangesWaitWhileAContextDrawsWithTheFont)
{
    Host& host = Host::Shared();
    std::unique_ptr<XGView> root(MakeRoot(host));
    XGFont* font = XGFont::LoadFont(0);
    XGDraw draw(root.get(), true);
    draw.SetFont(font, false);  // the context now holds the only reference
    HGDIOBJ selected = GetCurrentObject(draw.GetDC(), OBJ_FONT);
    ExpectChangesRefused(font);
    EXPECT_EQ(selected, static_cast<HGDIOBJ>(font->GetFontForDpi(root->GetDpi())));
}
