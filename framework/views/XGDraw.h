// A drawing context on one view, made on the stack for one drawing
// operation. Its origin is the view's top-left corner and it clips to the
// view and to the area being repainted. Contexts nest: a new one saves the
// outer one's device-context state, which is given back when it ends.
#pragma once

#include <cstdint>

#include "views/RectMath.h"
#include "views/XGPalette.h"
#include "foundation/XGTypes.h"

class XGView;
class XGFont;
class XGPrinter;
struct HDC__;
struct HFONT__;
struct _RTL_CRITICAL_SECTION;

enum XGERectType : unsigned char {
    kRectBlackFrame = 1,
    kRectSunken = 2,
    kRectRaised = 3,
    kRectBlackRaised = 4,
    kRectBlackSunken = 5,
    kRectShadowFrame = 6,
    kRectFaceFrame = 7,
    kRectFaceFill = 8,
    kRectHighlightFrame = 9
};

// Built on first need ("Arial", 8 points, normal weight) and kept for the
// life of the process.
extern HFONT__* GDefaultFont;

class XGDraw {
public:
    // construction; every caller passes true, the flag changes nothing
    XGDraw(XGView* view, bool flag = true);
    virtual ~XGDraw();

    XGDraw(const XGDraw&) = delete;
    XGDraw& operator=(const XGDraw&) = delete;

    HDC__* GetDC() const { return fDC; }
    XGView* GetView() const { return fView; }
    Point GetPenPos() const;

    // lines and shapes, in view coordinates
    void MoveTo(short x, short y);
    void LineTo(short x, short y);
    void SetPenWidth(short width) { fPenWidth = width; }
    void PaintOval(tagRECT r);
    void FrameRect(tagRECT r);
    void EraseRect(tagRECT r);
    void InvertRect(tagRECT r);
    // The system's dotted focus rectangle just inside r. It inverts what is
    // under it, so a view draws it once, after its content.
    void DrawFocusMark(tagRECT r);
    void FillRect(tagRECT r, unsigned long color);
    void FillRect(short left, short top, short right, short bottom, unsigned long color);
    void Draw3DRect(tagRECT r, XGERectType type);

    // text: drawn at the pen position with the pen on the baseline
    // attach false hands the caller's reference over to the context.
    void SetFont(XGFont* font, bool attach);
    XGFont* GetFontPtr() const { return fFontPtr; }
    short GetFontAscent();
    short GetFontDescent();
    short GetFontHeight();
    short StringWidth(const char* text, short length = -1);
    void DrawString(const char* text, short length = -1);
    short StringWidthA(const char* text, short length = -1);
    void DrawStringA(const char* text, short length = -1);
    void SetAUnderscore(bool underscore) { fAUnderscore = underscore; }
    void TabDrawString(const char* text, unsigned long start, unsigned long end,
                       unsigned short tabChars, bool masked);
    short TabStringWidth(const char* text, unsigned long length, unsigned short tabChars,
                         bool masked, unsigned short startWidth);
    // The advance of each of the 256 single-byte characters in the selected
    // font, and what a string measures beyond the sum of its characters'
    // advances (*extra; zero unless the font adds an overhang once per
    // string): StringWidth of a run without tabs is that sum plus *extra.
    void GetCharWidths(int32_t* widths, int32_t* extra);

    // icons 0 (error), 1 (information), 2 (warning) or icon resources; bitmap resources
    void DrawIcon(short icon, short x, short y, bool enabled);
    void DrawPicture(short bitmap, short x, short y);

    // colours (palette codes are mapped)
    void SetForeColor(unsigned long color);
    void SetBackColor(unsigned long color);
    unsigned long GetForeColor() const { return fForeColor; }
    unsigned long GetBackColor() const { return fBackColor; }
    static unsigned long ColorFromPalette(unsigned long color);

    // clip to the view, to r (view coordinates) if given, and to the update area
    void ClipRect(const tagRECT* r);

    // The update rectangle of the paint in progress (set by the window
    // procedures around ProcessDraw), or null.
    static void UpdateRect(tagRECT* update);

    // Whether a live context has the font selected.
    static bool IsFontInUse(const XGFont* font);
    // The framework's default font ("Arial", 8 points) made for a DPI; one
    // per DPI, kept for the life of the process. At the display's own DPI
    // it is GDefaultFont.
    static HFONT__* DefaultFont(int dpi);

    static XGDraw* gDraw;
    static tagRECT* gUpdate;

private:
    void SaveContext();
    void RestoreContext();
    void CreateContext(bool flag);
    void DestroyContext();
    void DrawRun(const char* text, int length);
    HFONT__* FontHandle(XGFont* font) const;
    // The DPI the view is laid out at (96 without a view).
    int ViewDpi() const;
    int TabRunWidth(const char* text, unsigned long length, unsigned short tabChars, bool masked,
                    int startWidth);

    static _RTL_CRITICAL_SECTION* gCritSec;

    XGDraw* fLast;
    XGView* fView;
    XGFont* fFontPtr;
    XGPrinter* fPrinter;
    short fPenWidth;
    bool fAUnderscore;
    unsigned long fForeColor;
    unsigned long fBackColor;
    HFONT__* fDefFont;
    HDC__* fDC;
    long fDCSave;
};
