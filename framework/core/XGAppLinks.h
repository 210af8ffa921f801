#pragma once
#include <windows.h>

class XGWindow;

// The application core's calls into windows, pop-up windows, menu-bar
// accelerators and keyboard translation, kept in one place so that each is
// a single call to the part that owns it.
namespace XGAppLinks {
    XGWindow* FrontWindow();                // XGWindow::GetFrontWindow
    XGWindow* FirstWindow();                // head of XGWindow::gList
    bool CloseWindow(XGWindow* window);     // XGWindow::CloseWindow
    XGWindow* WindowOf(HWND window);        // XGWindow::GetXGWindow
    void TrackMouseLeave();                 // the event loop's mouse-leave step
    bool TranslateMenuAccelerator(MSG* message);
    long TranslateKeyboard(const MSG& message);     // -1: not a key the framework takes
    // The view-and-window half of AdjustFocus: true when the focus
    // dispatcher is a view whose window may keep it.
    bool FocusIsSettled(XGWindow* modal);
    // Hands the framework focus to the front window (its focus view when
    // visible); false when there is no front window.
    bool FocusFrontWindow();
    // The native half of AdjustFocus.
    void SyncNativeFocus();
}
