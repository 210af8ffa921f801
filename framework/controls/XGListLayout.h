// Line arithmetic of the list control: which items are visible, which item a
// point hits, and the scroll ranges. Kept free of <windows.h> so that it is
// tested natively. A step below 1 counts as 1, so no division can fail.
#pragma once

#include <cstdint>

struct XGListLayout {
    // ceiling(extent - visible) / line), truncated toward zero, at least 0.
    static int32_t ScrollMaximum(int32_t extent, int32_t visible, int32_t line);
    // visible / line, at least 1.
    static int32_t PageSize(int32_t visible, int32_t line);
    // The item under v (view coordinates), or -1 outside 0 .. length - 1.
    static int32_t ItemAt(int32_t v, int32_t step, int32_t scroll, int32_t length);
    // first = scroll; last = first + ceiling(height / step), not above length
    // and not below first.
    static void VisibleRange(int32_t scroll, int32_t height, int32_t step, int32_t length,
                             int32_t* first, int32_t* last);
};
