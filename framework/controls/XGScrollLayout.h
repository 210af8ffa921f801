// Where a scroll view puts its bars, its corner and its content. Kept free of
// <windows.h> so that it is tested natively.
#pragma once

#include "views/RectMath.h"

struct XGScrollLayout {
    // frame: the scroll view's content rectangle; bar: v = height of a
    // horizontal bar, h = width of a vertical bar.
    XGScrollLayout(const tagRECT& frame, Point bar, bool hasHorizontal, bool hasVertical,
                   bool hasCorner);

    tagRECT fHorizontal;
    tagRECT fVertical;
    tagRECT fCorner;
    tagRECT fContent;
};
