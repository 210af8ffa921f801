#include "controls/XGScrollScale.h"

int32_t XGScrollScale::AdjustScale(int32_t minValue, int32_t maxValue)
{
    // 64-bit: a range spanning most of the 32-bit values would overflow.
    int64_t scale = (int64_t(maxValue) - int64_t(minValue) + 16383) / 16384;
    return scale < 1 ? 1 : int32_t(scale);
}

XGScrollScale XGScrollScale::Native(int32_t minValue, int32_t maxValue, int32_t pageSize,
                                    int32_t value, int32_t scale)
{
    if (scale < 1)
        scale = 1;
    XGScrollScale n;
    n.min = minValue / scale;
    n.page = pageSize / scale;
    int32_t extra = n.page - 1;
    n.max = maxValue / scale + (extra < 0 ? 0 : extra);
    n.pos = value / scale;
    return n;
}
