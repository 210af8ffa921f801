// The one tool tip of the process: a text label in a pop-up window under the
// pointer. Opening a tip closes the one before.
#pragma once

#include "foundation/XGTypes.h"

class XGPopWindow;
class XGView;
class XGToolTipView;

class XGToolTip {
public:
    XGToolTip() = delete;

    // where is the tip's top-left corner in owner's coordinates.
    static void OpenTip(XGView* owner, Point where, const char* text);
    static void CloseTip();

    static XGPopWindow* gPopWindow;
    static XGToolTipView* gPopView;
};
