#pragma once
#include <windows.h>

class XGView;

// The application core's one call into a part that is not built yet.
namespace XGAppLinks {
    // True when the native window is a live pop-up window whose base view is
    // the given view (XGPopWindow::GetPopWindow, then GetBase).
    bool IsPopupOf(HWND window, XGView* base);
}
