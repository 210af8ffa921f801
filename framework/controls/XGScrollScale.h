#pragma once
#include <cstdint>

// The native scroll bar works in 16-bit friendly units; framework values are
// divided by a scale so that its range stays near 16384 units.
struct XGScrollScale {
    int32_t min;
    int32_t max;  // includes the page, as SCROLLINFO expects
    int32_t page;
    int32_t pos;

    static int32_t AdjustScale(int32_t minValue, int32_t maxValue);
    static XGScrollScale Native(int32_t minValue, int32_t maxValue, int32_t pageSize,
                                int32_t value, int32_t scale);
};
