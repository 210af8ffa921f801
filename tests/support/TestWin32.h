// Win32 pieces that every windowed test program needs the same way: the
// process globals set as WinMain sets them, running the messages waiting on
// the queue, reading pixels back, saving the screen as a bitmap file, and a
// view record made in code. Test folders compile TestWin32.cpp into their
// programs and include this header by its relative path.
#pragma once

#include <windows.h>

#include "foundation/XGError.h"
#include "views/XGView.h"

namespace testsupport {

// Sets the process globals as WinMain does, with an empty command line.
void InitProcess();
// The native window classes of framework windows (_GWindowClass, _GDlogClass)
// as the single-document frame registers them, for tests without a frame;
// a class a frame registered already is kept. Runs at most once.
void RegisterWindowClasses();
// InitProcess once per program, then the framework's window classes.
void StartWindows();
// Dispatches what is waiting, without the framework's loop.
void Pump();
// A pixel of a window's client area, read through a memory copy.
COLORREF Pixel(HWND window, int x, int y);
// Writes the screen rectangle r as a 24-bit bottom-up BMP file.
void SaveScreen(const RECT& r, const char* path);
// A visible, enabled view with left and top locked: the rectangle
// (left, top)-(right, bottom) in the parent.
XGSViewInitRecord LockedView(short id, short left, short top, short right, short bottom,
                             bool tabStop = false);
// An error that counts its showings instead of running an alert.
class CountedError : public XGError {
public:
    void DisplayError() const override;
    void GetShortError(char* buffer) const override;
    void GetLongError(char* buffer) const override;
    static int gShown;
};
// True when the shutdown privilege is enabled in this process's token.
bool ShutdownPrivilegeEnabled();

}  // namespace testsupport
