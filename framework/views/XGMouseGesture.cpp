#include "views/XGMouseGesture.h"

#include "dispatch/XGEventLoop.h"
#include "foundation/XGKeys.h"
#include "views/XGWindowProc.h"

namespace {

// The modifier word of the gesture in progress, set at its press. There is
// one mouse capture, so one gesture, whichever window holds it.
short gGestureMods = 0;

short Captured(short mods) { return static_cast<short>(mods | kModCaptured); }

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
        const HWND captured = GetCapture();
        if (fRule == kIgnoreWhileAnyCaptured ? captured != nullptr : captured == window)
            return;
        const short mods = XGWindowProc::GetPressFlags(message);
        gGestureMods = mods;
        XGEventLoop::gCaptureView = Press(where, mods);
        if (XGEventLoop::gCaptureView)
            SetCapture(window);
    } else if (message == WM_MOUSEMOVE) {
        short mods;
        if (GetCapture() == window) {
            mods = Captured(gGestureMods);
        } else {
            mods = XGWindowProc::GetStateFlags();
            XGEventLoop::gCaptureView = nullptr;
        }
        Move(where, mods, XGEventLoop::gCaptureView);
    } else if (XGWindowProc::IsMouseRelease(message)) {
        if (GetCapture() != window)
            return;
        const short mods = Captured(gGestureMods);
        ReleaseCapture();
        if (Release(where, mods, XGEventLoop::gCaptureView))
            SetCapture(window);
    }
}
