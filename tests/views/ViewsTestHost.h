// A plain native window to host view trees in the view and drawing tests,
// and small helpers to build views from records made in code.
#pragma once

#include <windows.h>

#include "views/XGView.h"
#include "../support/TestGeometry.h"

namespace viewstest {

// A visible top-level popup with a client area of width x height at the
// screen's top-left corner. Its class owns its device context, so nested
// drawing contexts really share one DC and must save and restore it.
class Host {
public:
    // Creating and destroying a window under Wine without a window manager
    // costs seconds, so the tests share one host of 400 x 300.
    static Host& Shared();
    Host(int width, int height);
    ~Host();
    HWND hwnd() const { return fWindow; }

    // Paints the client area in one colour and validates it.
    void Clear(COLORREF color);
    COLORREF Pixel(int x, int y) const;

private:
    HWND fWindow;
};

XGSViewInitRecord Record(short id, bool lockLeft, bool lockTop, bool lockRight, bool lockBottom,
                         short left, short top, short right, short bottom);
// Left and top locked: the rectangle (left, top)-(right, bottom) in the parent.
XGSViewInitRecord Fixed(short id, short left, short top, short right, short bottom);
XGSViewInitRecord Fill(short id);

// The root of a test tree: a window's view part without a window object,
// showing on the host window over its whole client area.
XGView* MakeRoot(const Host& host);

using testsupport::Pt;
using testsupport::Rect;

}  // namespace viewstest
