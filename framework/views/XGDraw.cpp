#include "views/XGDraw.h"
#include "views/XGDpiScale.h"
#include "views/XGContrast.h"

#include <windows.h>
#include <usp10.h>

#include <cstring>
#include <string>

#include "views/XGFont.h"
#include "dispatch/XGGlobals.h"
#include "foundation/XGResBitmap.h"
#include "foundation/XGUtf8.h"
#include "foundation/XGWide.h"
#include "views/XGView.h"

HFONT__* GDefaultFont = nullptr;

XGDraw* XGDraw::gDraw = nullptr;
tagRECT* XGDraw::gUpdate = nullptr;
_RTL_CRITICAL_SECTION* XGDraw::gCritSec = nullptr;

namespace {

const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);

int TextLength(const char* text, short length)
{
    return length < 0 ? int(std::strlen(text)) : length;
}

// Whether text holds a character above U+FFFF (a four-byte sequence). GDI
// under Wine takes the two halves of its surrogate pair for two characters
// and draws two missing-glyph boxes even in a font that has the character;
// Uniscribe shapes the pair as one.
bool HasSupplementary(const char* text, int length)
{
    for (int i = 0; i < length; ++i) {
        if (static_cast<unsigned char>(text[i]) >= 0xF0)
            return true;
    }
    return false;
}

// A run with such characters laid out by Uniscribe, with its fallback fonts.
class ShapedRun {
public:
    ShapedRun(HDC dc, const XGWide& wide)
    {
        int n = wide.Length();
        if (n <= 0 || FAILED(::ScriptStringAnalyse(dc, wide.Get(), n, n * 3 / 2 + 16, -1,
                                                   SSA_GLYPHS | SSA_FALLBACK | SSA_LINK, 0, nullptr,
                                                   nullptr, nullptr, nullptr, nullptr, &fAnalysis)))
            fAnalysis = nullptr;
    }
    ~ShapedRun()
    {
        if (fAnalysis)
            ::ScriptStringFree(&fAnalysis);
    }
    ShapedRun(const ShapedRun&) = delete;
    ShapedRun& operator=(const ShapedRun&) = delete;

    bool Valid() const { return fAnalysis != nullptr; }
    int Width() const
    {
        const SIZE* size = ::ScriptString_pSize(fAnalysis);
        return size ? int(size->cx) : 0;
    }
    // At the pen, on the baseline, moving the pen past the run as TextOutW
    // does with the context's alignment.
    void Draw(HDC dc) const
    {
        POINT pen;
        ::GetCurrentPositionEx(dc, &pen);
        UINT align = ::SetTextAlign(dc, TA_BASELINE | TA_NOUPDATECP);
        ::ScriptStringOut(fAnalysis, pen.x, pen.y, 0, nullptr, 0, 0, FALSE);
        ::SetTextAlign(dc, align);
        ::MoveToEx(dc, pen.x + Width(), pen.y, nullptr);
    }

private:
    SCRIPT_STRING_ANALYSIS fAnalysis = nullptr;
};

// The end of the stretch of text starting at from that one of the two draws:
// Uniscribe (*shaped) a stretch of characters above U+FFFF and what attaches
// to them (joiners, variation selectors, marks); GDI the rest, which keeps
// its font linking for the characters the font lacks.
int StretchEnd(const char* text, int length, int from, bool* shaped)
{
    size_t size = size_t(length), at = size_t(from), n;
    *shaped = XGUtf8::Decode(text, size, at, &n) >= 0x10000;
    for (at += n; at < size; at += n) {
        char32_t c = XGUtf8::Decode(text, size, at, &n);
        bool attaches = c == 0x200D || (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0x300 && c <= 0x36F)
                        || (c >= 0x20D0 && c <= 0x20FF);
        if (*shaped ? c < 0x10000 && !attaches : c >= 0x10000)
            break;
    }
    return int(at);
}

int PlainWidth(HDC dc, const XGWide& wide)
{
    SIZE size = {0, 0};
    ::GetTextExtentPoint32W(dc, wide, wide.Length(), &size);
    return int(size.cx);
}

int WideWidth(HDC dc, const char* text, int length)
{
    if (!HasSupplementary(text, length))
        return PlainWidth(dc, XGWide(text, size_t(length)));
    int width = 0;
    bool shaped;
    for (int from = 0, to; from < length; from = to) {
        to = StretchEnd(text, length, from, &shaped);
        const XGWide wide(text + from, size_t(to - from));
        if (shaped) {
            ShapedRun run(dc, wide);
            if (run.Valid()) {
                width += run.Width();
                continue;
            }
        }
        width += PlainWidth(dc, wide);
    }
    return width;
}

HINSTANCE ProgramModule()
{
    return _GInstance ? _GInstance : ::GetModuleHandleW(nullptr);
}

}  // namespace

// construction

XGDraw::XGDraw(XGView* view, bool flag)
{
    if (!gCritSec) {
        gCritSec = new CRITICAL_SECTION;
        ::InitializeCriticalSection(gCritSec);
    }
    ::EnterCriticalSection(gCritSec);

    fLast = gDraw;
    gDraw = this;
    fView = view;
    fPrinter = nullptr;
    fFontPtr = nullptr;
    fPenWidth = 1;
    fAUnderscore = true;
    fForeColor = ColorFromPalette(kPaletteBlack);
    fBackColor = ColorFromPalette(kPaletteWhite);
    fDefFont = nullptr;
    fDC = nullptr;
    fDCSave = 0;

    if (fLast)
        fLast->SaveContext();
    CreateContext(flag);
}

XGDraw::~XGDraw()
{
    DestroyContext();
    gDraw = fLast;
    if (fLast)
        fLast->RestoreContext();
    ::LeaveCriticalSection(gCritSec);
}

bool XGDraw::IsFontInUse(const XGFont* font)
{
    for (XGDraw* draw = gDraw; draw; draw = draw->fLast) {
        if (draw->fFontPtr == font)
            return true;
    }
    return false;
}

void XGDraw::SaveContext()
{
    fDCSave = ::SaveDC(fDC);
}

void XGDraw::RestoreContext()
{
    ::RestoreDC(fDC, int(fDCSave));
}

void XGDraw::CreateContext(bool)
{
    if (fView && fView->GetRootWindow()) {
        fDC = ::GetDC(fView->GetRootWindow());
    } else {
        // A view whose window does not exist yet still measures text; its
        // drawing goes nowhere instead of onto the screen (GetDC of no window).
        fDC = ::CreateCompatibleDC(nullptr);
    }
    if (fView) {
        ClipRect(nullptr);
        Point origin = fView->GetGlobalPos();
        ::SetViewportOrgEx(fDC, origin.h, origin.v, nullptr);
    }
    fForeColor = ColorFromPalette(kPaletteBlack);
    fBackColor = ColorFromPalette(kPaletteWhite);
    ::SetTextColor(fDC, fForeColor);
    ::SetBkColor(fDC, fBackColor);
    ::SetTextAlign(fDC, TA_UPDATECP | TA_BASELINE);
    ::SetBkMode(fDC, TRANSPARENT);
    const int dpi = fView && (fView->GetWindow() || fView->GetRootWindow()) ? fView->GetDpi()
                                                                            : ::GetDeviceCaps(fDC, LOGPIXELSY);
    fDefFont = static_cast<HFONT>(::SelectObject(fDC, DefaultFont(dpi)));
    fPenWidth = 1;
    fAUnderscore = true;
}

HFONT__* XGDraw::DefaultFont(int dpi)
{
    struct Made {
        int dpi;
        HFONT font;
    };
    static Made made[8];
    static int count = 0;
    dpi = XGDpiScale::ClampDpi(dpi);
    for (int i = 0; i < count; ++i) {
        if (made[i].dpi == dpi)
            return made[i].font;
    }
    HFONT font = ::CreateFontW(-::MulDiv(8, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY, FF_SWISS, L"Arial");
    HDC screen = ::GetDC(nullptr);
    const int displayDpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    if (!GDefaultFont && dpi == XGDpiScale::ClampDpi(displayDpi))
        GDefaultFont = font;
    // Past eight scales (never met in practice) the last is replaced; the
    // one replaced stays alive, as it may still be selected somewhere.
    if (count < 8)
        made[count++] = {dpi, font};
    else
        made[7] = {dpi, font};
    return font;
}

void XGDraw::DestroyContext()
{
    ::SelectObject(fDC, fDefFont);
    if (fFontPtr) {
        XGFont* font = fFontPtr;
        fFontPtr = nullptr;
        font->Detach();
    }
    if (fView && fView->GetRootWindow())
        ::ReleaseDC(fView->GetRootWindow(), fDC);
    else
        ::DeleteDC(fDC);
    fDC = nullptr;
}

void XGDraw::ClipRect(const tagRECT* r)
{
    if (!fView)
        return;
    tagRECT clip = fView->GetGlobalRect();
    if (r) {
        fView->GlobalToView(&clip);
        RectMath::SectRectLong(&clip, r, &clip);
        fView->ViewToGlobal(&clip);
    }
    if (gUpdate)
        RectMath::SectRectLong(&clip, gUpdate, &clip);
    HRGN region = ::CreateRectRgnIndirect(&clip);
    ::SelectClipRgn(fDC, region);
    ::DeleteObject(region);
}

void XGDraw::UpdateRect(tagRECT* update)
{
    gUpdate = update;
}

Point XGDraw::GetPenPos() const
{
    POINT p = {0, 0};
    ::GetCurrentPositionEx(fDC, &p);
    Point pt;
    pt.v = int16_t(p.y);
    pt.h = int16_t(p.x);
    return pt;
}

// lines and shapes

void XGDraw::MoveTo(short x, short y)
{
    ::MoveToEx(fDC, x, y, nullptr);
}

void XGDraw::LineTo(short x, short y)
{
    // The width is in layout units, drawn as the system draws its lines.
    HPEN pen = ::CreatePen(PS_SOLID, XGDpiScale::ScaleLine(fPenWidth, ViewDpi()), fForeColor);
    HGDIOBJ old = ::SelectObject(fDC, pen);
    ::LineTo(fDC, x, y);
    ::SelectObject(fDC, old);
    ::DeleteObject(pen);
}

void XGDraw::PaintOval(tagRECT r)
{
    HBRUSH brush = ::CreateSolidBrush(fForeColor);
    HGDIOBJ oldBrush = ::SelectObject(fDC, brush);
    HGDIOBJ oldPen = ::SelectObject(fDC, ::GetStockObject(NULL_PEN));
    // Without a pen the figure loses its right and bottom pixel; widen it so
    // that the oval fills the rectangle.
    ::Ellipse(fDC, r.left, r.top, r.right + 1, r.bottom + 1);
    ::SelectObject(fDC, oldPen);
    ::SelectObject(fDC, oldBrush);
    ::DeleteObject(brush);
}

void XGDraw::FrameRect(tagRECT r)
{
    HBRUSH brush = ::CreateSolidBrush(fForeColor);
    ::FrameRect(fDC, &r, brush);
    ::DeleteObject(brush);
}

void XGDraw::EraseRect(tagRECT r)
{
    HBRUSH brush = ::CreateSolidBrush(::GetBkColor(fDC));
    ::FillRect(fDC, &r, brush);
    ::DeleteObject(brush);
}

void XGDraw::InvertRect(tagRECT r)
{
    ::InvertRect(fDC, &r);
}

void XGDraw::DrawFocusMark(tagRECT r)
{
    // A focus rectangle draws in the current text colours; the defaults keep
    // it an inversion whatever a view set before.
    const COLORREF text = ::SetTextColor(fDC, RGB(0, 0, 0));
    const COLORREF back = ::SetBkColor(fDC, RGB(255, 255, 255));
    ::DrawFocusRect(fDC, &r);
    ::SetTextColor(fDC, text);
    ::SetBkColor(fDC, back);
}

void XGDraw::FillRect(tagRECT r, unsigned long color)
{
    HBRUSH brush = ::CreateSolidBrush(ColorFromPalette(color));
    ::FillRect(fDC, &r, brush);
    ::DeleteObject(brush);
}

void XGDraw::FillRect(short left, short top, short right, short bottom, unsigned long color)
{
    tagRECT r;
    r.left = left;
    r.top = top;
    r.right = right;
    r.bottom = bottom;
    FillRect(r, color);
}

void XGDraw::Draw3DRect(tagRECT r, XGERectType type)
{
    auto frame = [this](const tagRECT& f, unsigned long topLeft, unsigned long bottomRight) {
        FillRect(short(f.left), short(f.top), short(f.right), short(f.top + 1), topLeft);
        FillRect(short(f.left), short(f.top + 1), short(f.left + 1), short(f.bottom), topLeft);
        FillRect(short(f.left + 1), short(f.bottom - 1), short(f.right), short(f.bottom), bottomRight);
        FillRect(short(f.right - 1), short(f.top + 1), short(f.right), short(f.bottom - 1), bottomRight);
    };
    tagRECT inner = r;
    RectMath::InsetRect(&inner, 1, 1);
    switch (type) {
    case kRectBlackFrame:
        frame(r, kPaletteBlack, kPaletteBlack);
        break;
    case kRectSunken:
        frame(r, kPaletteButtonShadow, kPaletteButtonHighlight);
        break;
    case kRectRaised:
        frame(r, kPaletteButtonHighlight, kPaletteButtonShadow);
        break;
    case kRectBlackRaised:
        frame(r, kPaletteBlack, kPaletteBlack);
        frame(inner, kPaletteButtonHighlight, kPaletteButtonShadow);
        break;
    case kRectBlackSunken:
        frame(r, kPaletteBlack, kPaletteBlack);
        frame(inner, kPaletteButtonShadow, kPaletteButtonHighlight);
        break;
    case kRectShadowFrame:
        frame(r, kPaletteButtonShadow, kPaletteButtonShadow);
        break;
    case kRectFaceFrame:
        frame(r, kPaletteButtonFace, kPaletteButtonFace);
        break;
    case kRectFaceFill:
        FillRect(r, kPaletteButtonFace);
        break;
    case kRectHighlightFrame:
        frame(r, kPaletteButtonHighlight, kPaletteButtonHighlight);
        break;
    default:
        // Unknown types draw nothing.
        break;
    }
}

// text

int XGDraw::ViewDpi() const
{
    return fView ? fView->GetDpi() : XGDpiScale::kBaseDpi;
}

// A view in a window draws with the font made for the window's DPI; a
// context of no window (a printer, a memory bitmap) with the device's.
HFONT__* XGDraw::FontHandle(XGFont* font) const
{
    if (fView && (fView->GetWindow() || fView->GetRootWindow()))
        return font->GetFontForDpi(fView->GetDpi());
    return font->GetFont(fDC);
}

void XGDraw::SetFont(XGFont* font, bool attach)
{
    if (!font)
        return;
    // The context keeps one reference to its font: setting the same font
    // again selects it again and leaves the count alone, so a second
    // hand-over cannot drop the reference the context still draws with.
    if (font == fFontPtr) {
        ::SelectObject(fDC, FontHandle(font));
        return;
    }
    XGFont* old = fFontPtr;
    fFontPtr = font;
    if (attach)
        font->Attach();
    ::SelectObject(fDC, FontHandle(font));
    if (old)
        old->Detach();
}

short XGDraw::GetFontAscent()
{
    TEXTMETRICW metrics;
    ::GetTextMetricsW(fDC, &metrics);
    return short(metrics.tmAscent);
}

short XGDraw::GetFontDescent()
{
    TEXTMETRICW metrics;
    ::GetTextMetricsW(fDC, &metrics);
    return short(metrics.tmDescent);
}

short XGDraw::GetFontHeight()
{
    TEXTMETRICW metrics;
    ::GetTextMetricsW(fDC, &metrics);
    return short(metrics.tmHeight);
}

short XGDraw::StringWidth(const char* text, short length)
{
    int count = TextLength(text, length);
    if (count <= 0)
        return 0;
    return short(WideWidth(fDC, text, count));
}

void XGDraw::DrawRun(const char* text, int length)
{
    if (length <= 0)
        return;
    if (!HasSupplementary(text, length)) {
        const XGWide wide(text, size_t(length));
        ::TextOutW(fDC, 0, 0, wide, wide.Length());
        return;
    }
    bool shaped;
    for (int from = 0, to; from < length; from = to) {
        to = StretchEnd(text, length, from, &shaped);
        const XGWide wide(text + from, size_t(to - from));
        if (shaped) {
            ShapedRun run(fDC, wide);
            if (run.Valid()) {
                run.Draw(fDC);
                continue;
            }
        }
        ::TextOutW(fDC, 0, 0, wide, wide.Length());
    }
}

void XGDraw::DrawString(const char* text, short length)
{
    DrawRun(text, TextLength(text, length));
}

void XGDraw::DrawStringA(const char* text, short length)
{
    int count = TextLength(text, length);
    int runStart = 0;
    for (int i = 0; i + 1 < count; ++i) {
        if (text[i] != '&')
            continue;
        DrawRun(text + runStart, i - runStart);
        if (fAUnderscore && text[i + 1] != '&') {
            // The underline spans the whole marked character, however many bytes it takes.
            const size_t end = XGUtf8::Next(text, size_t(count), size_t(i + 1));
            Point pen = GetPenPos();
            short width = StringWidth(text + i + 1, short(end - size_t(i + 1)));
            const int dpi = ViewDpi();
            const short below = short(pen.v + XGDpiScale::ScaleLine(1, dpi));
            MoveTo(short(pen.h + width - XGDpiScale::Scale16(2, dpi)), below);
            LineTo(short(pen.h - XGDpiScale::Scale16(1, dpi)), below);
            MoveTo(pen.h, pen.v);
        }
        // The marked character starts the next run, so "&&" leaves one "&".
        runStart = i + 1;
        ++i;
    }
    DrawRun(text + runStart, count - runStart);
}

short XGDraw::StringWidthA(const char* text, short length)
{
    // Measured without a fixed buffer, so titles of any length are safe.
    int count = TextLength(text, length);
    std::string shown;
    shown.reserve(size_t(count > 0 ? count : 0));
    for (int i = 0; i < count; ++i) {
        if (text[i] == '&' && i + 1 < count)
            ++i;
        shown += text[i];
    }
    if (shown.size() > 0x7FFF)
        shown.resize(XGUtf8::FitBytes(shown.data(), shown.size(), 0x7FFF));
    return StringWidth(shown.c_str(), short(shown.size()));
}

void XGDraw::GetCharWidths(int32_t* widths, int32_t* extra)
{
    // Indexed by byte, as the system's code page reads the byte: only the
    // ASCII half names characters of UTF-8 text, and only that half may be
    // summed for it.
    INT advances[256] = {};
    if (::GetCharWidth32A(fDC, 0, 255, advances)) {
        for (int c = 0; c < 256; ++c)
            widths[c] = int32_t(advances[c]);
    } else {
        // A device without per-character widths: each character alone.
        for (int c = 0; c < 256; ++c) {
            const char one = char(c);
            SIZE size = {0, 0};
            ::GetTextExtentPoint32A(fDC, &one, 1, &size);
            widths[c] = int32_t(size.cx);
        }
    }
    *extra = StringWidth("m", 1) - widths['m'];
}

namespace {

// The width of "tabChars" characters "m", at least one pixel so that a tab
// always moves forward.
int TabWidth(XGDraw& draw, unsigned short tabChars)
{
    int width = (tabChars ? tabChars : 8) * draw.StringWidth("m", 1);
    return width > 0 ? width : 1;
}

int NextTabStop(int x, int tab)
{
    return (x / tab + 1) * tab;
}

}  // namespace

short XGDraw::TabStringWidth(const char* text, unsigned long length, unsigned short tabChars,
                             bool masked, unsigned short startWidth)
{
    return short(TabRunWidth(text, length, tabChars, masked, startWidth));
}

int XGDraw::TabRunWidth(const char* text, unsigned long length, unsigned short tabChars,
                        bool masked, int startWidth)
{
    int tab = TabWidth(*this, tabChars);
    int starWidth = masked ? StringWidth("*", 1) : 0;
    int x = startWidth;
    unsigned long runStart = 0;
    auto measure = [&](unsigned long from, unsigned long to) {
        unsigned long n = to - from;
        if (n == 0)
            return 0;
        // One star a character, not a byte.
        if (masked)
            return int(XGUtf8::CountCharacters(text + from, n)) * starWidth;
        return WideWidth(fDC, text + from, int(n));
    };
    for (unsigned long i = 0; i < length; ++i) {
        if (text[i] == '\t') {
            x += measure(runStart, i);
            x = NextTabStop(x, tab);
            runStart = i + 1;
        }
    }
    x += measure(runStart, length);
    return x;
}

void XGDraw::TabDrawString(const char* text, unsigned long start, unsigned long end,
                           unsigned short tabChars, bool masked)
{
    if (end <= start || end == 0)
        return;
    auto drawRun = [&](unsigned long from, unsigned long to) {
        unsigned long n = to - from;
        if (masked) {
            std::string stars(XGUtf8::CountCharacters(text + from, n), '*');
            DrawRun(stars.c_str(), int(stars.size()));
        } else {
            DrawRun(text + from, int(n));
        }
    };
    // Only tab stops need the width of what comes before the characters.
    if (!std::memchr(text + start, '\t', end - start)) {
        drawRun(start, end);
        return;
    }
    int tab = TabWidth(*this, tabChars);
    // Measured whole: on a line wider than 16 bits the tab stops stay in place.
    int x = TabRunWidth(text, start, tabChars, masked, 0);
    auto draw = [&](unsigned long from, unsigned long to) {
        if (to == from)
            return;
        Point before = GetPenPos();
        drawRun(from, to);
        x += GetPenPos().h - before.h;
    };
    unsigned long runStart = start;
    for (unsigned long i = start; i < end; ++i) {
        if (text[i] == '\t') {
            draw(runStart, i);
            int next = NextTabStop(x, tab);
            Point pen = GetPenPos();
            MoveTo(short(pen.h + (next - x)), pen.v);
            x = next;
            runStart = i + 1;
        }
    }
    draw(runStart, end);
}

// icons and pictures

void XGDraw::DrawIcon(short icon, short x, short y, bool enabled)
{
    HICON handle = nullptr;
    bool owned = false;
    switch (icon) {
    case 0:
        handle = ::LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_HAND));
        break;
    case 1:
        handle = ::LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_ASTERISK));
        break;
    case 2:
        handle = ::LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_EXCLAMATION));
        break;
    default:
        handle = static_cast<HICON>(::LoadImageW(ProgramModule(), MAKEINTRESOURCEW(icon), IMAGE_ICON,
                                                 0, 0, 0));
        owned = true;
        break;
    }
    if (!handle)
        return;
    if (enabled)
        ::DrawIconEx(fDC, x, y, handle, 0, 0, 0, nullptr, DI_NORMAL);
    else
        ::DrawStateW(fDC, nullptr, nullptr, reinterpret_cast<LPARAM>(handle), 0, x, y, 0, 0,
                     DST_ICON | DSS_DISABLED);
    if (owned)
        ::DestroyIcon(handle);
}

void XGDraw::DrawPicture(short bitmap, short x, short y)
{
    DrawResBitmap(fDC, bitmap, x, y);
}

// colours

void XGDraw::SetForeColor(unsigned long color)
{
    fForeColor = ColorFromPalette(color);
    ::SetTextColor(fDC, fForeColor);
}

void XGDraw::SetBackColor(unsigned long color)
{
    fBackColor = ColorFromPalette(color);
    ::SetBkColor(fDC, fBackColor);
}

unsigned long XGDraw::ColorFromPalette(unsigned long color)
{
    if ((color >> 24) != 0x10)
        return color;
    switch (short(color & 0xFFFF)) {
    case 0:
        return XGContrast::IsHigh() ? ::GetSysColor(COLOR_WINDOWTEXT) : kBlack;
    case 1:
        return XGContrast::IsHigh() ? ::GetSysColor(COLOR_WINDOW) : kWhite;
    case 2:
        return ::GetSysColor(COLOR_BTNTEXT);
    case 3:
        return ::GetSysColor(COLOR_BTNHIGHLIGHT);
    case 4:
        return ::GetSysColor(COLOR_BTNFACE);
    case 5:
        return ::GetSysColor(COLOR_BTNSHADOW);
    case 6:
    case 8:
        return ::GetSysColor(COLOR_HIGHLIGHT);
    case 7:
    case 9:
        return ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    case 10:
        return ::GetSysColor(COLOR_INFOBK);
    case 11:
        return ::GetSysColor(COLOR_INFOTEXT);
    default:
        return kBlack;
    }
}
