#include "controls/XGTabMeasure.h"

namespace {

// A line wider than 32 bits of pixels stays at the widest width instead of
// wrapping to a negative one.
int32_t Sum(int32_t a, int32_t b)
{
    return XGTextMeasure::Clamp(int64_t(a) + b);
}

}  // namespace

XGTabMeasure::XGTabMeasure(int32_t tab) : fTab(tab > 0 ? tab : 1) {}

int32_t XGTabMeasure::PieceWidth(const char* text, uint32_t length, int32_t startWidth,
                                 int32_t base, int32_t* widths)
{
    int32_t x = startWidth;
    uint32_t runStart = 0;
    for (uint32_t i = 0; i <= length; ++i) {
        if (i < length && text[i] != '\t')
            continue;
        if (i > runStart) {
            int32_t* partial = widths ? widths + runStart : nullptr;
            int32_t run = RunWidth(text + runStart, i - runStart, partial);
            if (partial) {
                for (uint32_t k = runStart; k < i; ++k)
                    widths[k] = Sum(base, int16_t(x + widths[k]));
            }
            x = Sum(x, run);
        }
        if (i < length) {
            x = XGTextMeasure::Clamp((int64_t(x) / fTab + 1) * fTab);
            if (widths)
                widths[i] = Sum(base, int16_t(x));
            runStart = i + 1;
        }
    }
    return x;
}

int32_t XGTabMeasure::TextWidth(const char* text, uint32_t length, int32_t startWidth)
{
    int32_t width = startWidth;
    while (length > 0) {
        uint32_t piece = PieceLength(text, length);
        int32_t base = width - width % fTab;
        width = Sum(base, int16_t(PieceWidth(text, piece, uint16_t(width % fTab), base, nullptr)));
        text += piece;
        length -= piece;
    }
    return width;
}

void XGTabMeasure::PrefixWidths(const char* text, uint32_t length, int32_t* widths)
{
    PrefixWidthsFrom(text, length, 0, widths);
}

void XGTabMeasure::PrefixWidthsFrom(const char* text, uint32_t length, int32_t startWidth,
                                    int32_t* widths)
{
    int32_t width = startWidth;
    while (length > 0) {
        uint32_t piece = PieceLength(text, length);
        int32_t base = width - width % fTab;
        width = Sum(base, int16_t(PieceWidth(text, piece, uint16_t(width % fTab), base, widths)));
        text += piece;
        widths += piece;
        length -= piece;
    }
}
