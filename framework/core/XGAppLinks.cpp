#include "XGAppLinks.h"

// FIXME: becomes XGPopWindow::GetPopWindow(window) and its GetBase() when
// pop-up windows are part of the build; until then no window is a pop-up.
bool XGAppLinks::IsPopupOf(HWND /*window*/, XGView* /*base*/)
{
    return false;
}
