// Rectangles and points made in one expression, for the tests that build
// natively as well as under Wine (no <windows.h> here).
#pragma once

#include <cstdint>

#include "views/RectMath.h"

namespace testsupport {

inline tagRECT Rect(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    tagRECT r;
    r.left = left;
    r.top = top;
    r.right = right;
    r.bottom = bottom;
    return r;
}

inline Point Pt(short h, short v)
{
    Point p;
    p.h = h;
    p.v = v;
    return p;
}

}  // namespace testsupport
