#include "views/XGMouseGesture.h"

#include "dispatch/XGEventLoop.h"
#include "foundation/XGKeys.h"
#include "views/XGWindowProc.h"

namespace {

// The modifier word of the gesture in progress, set at its press. There is
// one mouse capture, so one gesture, whichever window holds it.
short gGestureMods = 0;

short Captured(short mods) { return static_cast<short>(mods | kModCaptured); }

// The window that a gesture gave the mouse and that has not lost it since,
// or null when not known. Only windows whose procedure reports the loss are
// kept here, so that the system's capture is this window whenever it is set.
HWND gHeld = nullptr;

HWND CurrentCapture() { return gHeld ? gHeld : GetCapture(); }

}  // namespace

bool XGMouseGesture::IsMouseMessage(UINT message)
{
    return XGWindowProc::IsMousePress(message) || XGWindowProc::IsMouseRelease(message)
        || message == WM_MOUSEMOVE;
}

void XGMouseGesture::Track(HWND window, UINT message, LPARAM lParam)
{
    const Point where = XGWindowProc::MousePoint(lParam);
    if (XGWindowProc::IsMousePress(message)) {
        const HWND captured = CurrentCapture();
        if (fRule == kIgnoreWhileAnyCaptured ? captured != nullptr : captured == window)
            return;
        const short mods = XGWindowProc::GetPressFlags(message);
        gGestureMods = mods;
        XGEventLoop::gCaptureView = Press(where, mods);
        if (XGEventLoop::gCaptureView)
            Capture(window);
    } else if (message == WM_MOUSEMOVE) {
        short mods;
        if (CurrentCapture() == window) {
            mods = Captured(gGestureMods);
        } else {
            mods = XGWindowProc::GetStateFlags();
            XGEventLoop::gCaptureView = nullptr;
        }
        Move(where, mods, XGEventLoop::gCaptureView);
    } else if (XGWindowProc::IsMouseRelease(message)) {
        if (CurrentCapture() != window)
            return;
        const short mods = Captured(gGestureMods);
        gHeld = nullptr;
        ReleaseCapture();
        if (Release(where, mods, XGEventLoop::gCaptureView))
            Capture(window);
    }
}

void XGMouseGesture::Capture(HWND window)
{
    SetCapture(window);
    // Set after the call: the window that lost the mouse to it has been told.
    gHeld = ReportsCaptureLoss() ? window : nullptr;
}

void XGMouseGesture::NoteCaptureLost(HWND window)
{
    if (gHeld == window)
        gHeld = nullptr;
}
