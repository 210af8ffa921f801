#include "XGAppLinks.h"
#include "XGAppCore.h"

// FIXME: each body becomes the one call named in XGAppLinks.h when windows,
// pop-up windows, menu bars and keyboard translation are part of the build.
// Until then the application has no framework windows: the focus rests with
// the application object and every message goes to its native window.

XGWindow* XGAppLinks::FrontWindow()
{
    return nullptr;
}

XGWindow* XGAppLinks::FirstWindow()
{
    return nullptr;
}

bool XGAppLinks::CloseWindow(XGWindow* /*window*/)
{
    return true;
}

XGWindow* XGAppLinks::WindowOf(HWND /*window*/)
{
    return nullptr;
}

void XGAppLinks::TrackMouseLeave()
{
}

bool XGAppLinks::TranslateMenuAccelerator(MSG* /*message*/)
{
    return false;
}

long XGAppLinks::TranslateKeyboard(const MSG& /*message*/)
{
    return -1;
}

bool XGAppLinks::FocusIsSettled(XGWindow* /*modal*/)
{
    return false;
}

bool XGAppLinks::FocusFrontWindow()
{
    return false;
}

void XGAppLinks::SyncNativeFocus()
{
}
