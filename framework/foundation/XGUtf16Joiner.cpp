#include "XGUtf16Joiner.h"

#include "XGUtf8.h"

namespace {

bool IsHigh(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLow(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

} // namespace

size_t XGUtf16Joiner::Feed(char16_t unit, char32_t (&out)[2])
{
    size_t count = 0;
    if (fHigh != 0) {
        if (IsLow(unit)) {
            out[0] = 0x10000 + ((char32_t(fHigh) - 0xD800) << 10) + (char32_t(unit) - 0xDC00);
            fHigh = 0;
            return 1;
        }
        out[count++] = XGUtf8::kReplacement;
        fHigh = 0;
    }
    if (IsHigh(unit)) {
        fHigh = unit;
        return count;
    }
    out[count++] = IsLow(unit) ? XGUtf8::kReplacement : char32_t(unit);
    return count;
}
