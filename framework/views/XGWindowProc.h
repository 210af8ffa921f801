// The seam between Windows and the framework windows: their two window
// procedures, the handler every framework window shares, the keyboard
// translation run by the event loop and the reading of the modifier word. The
// frame's procedures are the frame's (XGAppMultiWindow).
#pragma once

#include <windows.h>

#include "views/XGControlMessage.h"
#include "dispatch/XGGlobals.h"
#include "foundation/XGKeys.h"
#include "foundation/XGTypes.h"

class XGWindow;
class XGView;
class XGMenuBar;

LRESULT CALLBACK _GSingleWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK _GChildWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

class XGWindowProc {
public:
    XGWindowProc() = delete;

    // -1 means not handled.
    static LRESULT ProcXGWindowCommon(XGWindow* window, UINT message, WPARAM wParam, LPARAM lParam);
    // Called by the event loop before translation; anything but -1 consumes
    // the message.
    static LRESULT ProcKeyboardCommon(UINT message, WPARAM wParam, LPARAM lParam);
    // Reads the modifier word and keeps it in XGEventLoop::gLastMods.
    static short GetStateFlags();
    // The framework code of a virtual key, or -1; lParam is not used.
    static short GetExtendedKeyCode(WPARAM virtualKey, LPARAM lParam);

    // The mouse messages of every framework window: where (from lParam) and
    // which kind of button message.
    static Point MousePoint(LPARAM lParam);
    static bool IsMousePress(UINT message);      // down or double click, any button
    static bool IsDoubleClick(UINT message);
    static bool IsMouseRelease(UINT message);
    // The modifier word of a press: GetStateFlags, with kModDoubleClick on a
    // double click.
    static short GetPressFlags(UINT message);

    // Whether the system's focus is on window. The framework windows'
    // procedures see the focus arrive and leave, so that a click into the
    // focused view needs no trip to the window server to know it; other
    // windows are asked about.
    static void NoteFocus(HWND window, UINT message);
    static bool HasNativeFocus(HWND window);

    // Draws a view over the native window's update region, inside one paint.
    static void PaintView(HWND window, XGView* view);
    // A window moved or sized, or being so, takes the inline editor away.
    static void NoteMoveOrSize(UINT message);

    // Seams for the floors above, each empty until they register. The frame
    // registers its GetCurMenu (empty: no current menu bar); the menu bar, the
    // running of one of its commands; the pop-up windows, their count (a
    // window keeps its active frame while a pop-up is open).
    static XGMenuBar* (*gCurMenuHook)();
    static bool (*gMenuCommandHook)(XGMenuBar* menu, unsigned int command);
    static long (*gPopCountHook)();

    static XGMenuBar* GetCurMenu() { return gCurMenuHook ? gCurMenuHook() : nullptr; }
};
