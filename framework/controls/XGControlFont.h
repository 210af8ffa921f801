// The fonts and images of the controls at their window's scale. A view in a
// window draws with its font made for the window's DPI; a view in no window
// keeps the display's font, as before windows had a DPI of their own.
#pragma once

class XGDraw;
class XGFont;
class XGView;
struct HFONT__;
struct HICON__;

class XGControlFont {
public:
    XGControlFont() = delete;

    // The Windows font that view draws font with (the default font when
    // font is null).
    static HFONT__* For(const XGView* view, XGFont* font);
    // Sets font in draw (as XGDraw::SetFont) and selects the handle made for
    // dpi; 0 stands for the DPI of draw's view when it is in a window.
    static void Select(XGDraw& draw, XGFont* font, bool attach, int dpi = 0);
    // Draws icon (0 to 2 the system's alerts, else the program's) at (x, y),
    // size pixels square, greyed when not enabled. The program's icons come
    // in the nearest size the resource holds, scaled to fit; size 0 draws the
    // resource's own size, as XGDraw::DrawIcon does.
    static void DrawIconAt(XGDraw& draw, short icon, int x, int y, int size, bool enabled);
};
