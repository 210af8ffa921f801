// The fonts and images of the controls at their view's DPI. A view shown in
// a window (a framework window, or a native window of its own) uses its font
// made for that window's DPI; a view in no window keeps the display's font.
#pragma once

class XGDraw;
class XGFont;
class XGView;
struct HFONT__;

class XGDpiResources {
public:
    XGDpiResources() = delete;

    // The Windows font that view shows font in (the default font when font
    // is null): what its drawing contexts select, and what its native
    // controls are given.
    static HFONT__* FontFor(const XGView* view, XGFont* font);
    // Draws icon (0 to 2 the system's alerts, else the program's) at (x, y),
    // size pixels square, greyed when not enabled. The program's icons come
    // in the nearest size the resource holds, scaled to fit; size 0 draws
    // the resource's own size, as XGDraw::DrawIcon does.
    static void DrawIcon(XGDraw& draw, short icon, int x, int y, int size, bool enabled);
};
