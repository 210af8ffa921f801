// A borderless top-level window that floats above the application, placed
// relative to a base view, showing one content view that it owns. Mouse input
// in the pop-up is carried into the base view's coordinates and handed to the
// base view (or the view tracking the gesture), so a drag that starts in a
// pop-up goes on to the view that took the press.
#pragma once

#include <windows.h>

#include "views/RectMath.h"
#include "foundation/XGTypes.h"

class XGView;

class XGPopWindow {
public:
    // construction; r is in the base view's coordinates
    XGPopWindow(XGView* base, tagRECT r, XGView* content);
    virtual ~XGPopWindow();

    XGPopWindow(const XGPopWindow&) = delete;
    XGPopWindow& operator=(const XGPopWindow&) = delete;

    // look-up
    static XGPopWindow* GetPopWindow(HWND window);
    static long GetPopCount() { return gPopCount; }
    XGView* GetBase() const { return fBase; }
    XGView* GetContent() const { return fContent; }
    HWND GetHWND() const { return fWindow; }
    // In the base view's coordinates, moved with the window when it was
    // pushed back onto the screen.
    tagRECT GetRect() const { return fRect; }

    // mouse, in the pop-up's client coordinates
    XGView* ProcessMouseDown(Point where, short modifiers);
    void ProcessMouseMove(Point where, short modifiers, XGView* track);
    bool ProcessMouseUp(Point where, short modifiers, XGView* track);

    static XGPopWindow* gList;     // newest first
    static long gPopCount;

private:
    void CreatePopWindow(tagRECT screen);
    void PushOntoScreen(tagRECT* screen);
    Point ToBase(Point where) const;
    Point ToTrack(Point inBase, XGView* track) const;

    tagRECT fRect;
    XGView* fContent;
    XGView* fBase;
    XGPopWindow* fNext;
    HWND fWindow;
};
