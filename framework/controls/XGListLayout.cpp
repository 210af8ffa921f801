#include "controls/XGListLayout.h"

namespace {

int32_t AtLeastOne(int32_t step)
{
    return step < 1 ? 1 : step;
}

}  // namespace

int32_t XGListLayout::ScrollMaximum(int32_t extent, int32_t visible, int32_t line)
{
    line = AtLeastOne(line);
    int64_t hidden = int64_t(extent) - visible;
    if (hidden <= 0)
        return 0;
    return int32_t((hidden + line - 1) / line);
}

int32_t XGListLayout::PageSize(int32_t visible, int32_t line)
{
    int32_t page = visible / AtLeastOne(line);
    return page < 1 ? 1 : page;
}

int32_t XGListLayout::ItemAt(int32_t v, int32_t step, int32_t scroll, int32_t length)
{
    int64_t item = int64_t(v / AtLeastOne(step)) + scroll;
    return (item < 0 || item >= length) ? -1 : int32_t(item);
}

void XGListLayout::VisibleRange(int32_t scroll, int32_t height, int32_t step, int32_t length,
                                int32_t* first, int32_t* last)
{
    step = AtLeastOne(step);
    int64_t lines = height > 0 ? (int64_t(height) + step - 1) / step : 0;
    int64_t end = int64_t(scroll) + lines;
    if (end > length)
        end = length;
    if (end < scroll)
        end = scroll;
    *first = scroll;
    *last = int32_t(end);
}
