#include "views/XGDpiScale.h"

namespace XGDpiScale {

namespace {

int16_t Saturate16(long long v)
{
    if (v > INT16_MAX)
        return INT16_MAX;
    if (v < INT16_MIN)
        return INT16_MIN;
    return int16_t(v);
}

long long RescaleWide(long value, int fromDpi, int toDpi)
{
    fromDpi = ClampDpi(fromDpi);
    toDpi = ClampDpi(toDpi);
    if (fromDpi == toDpi)
        return value;
    long long n = (long long)value * toDpi;
    long long half = fromDpi / 2;
    return n >= 0 ? (n + half) / fromDpi : -((-n + half) / fromDpi);
}

}  // namespace

int ClampDpi(long dpi)
{
    return dpi < kMinDpi || dpi > kMaxDpi ? kBaseDpi : int(dpi);
}

long Rescale(long value, int fromDpi, int toDpi)
{
    long long v = RescaleWide(value, fromDpi, toDpi);
    if (v > INT32_MAX)
        return INT32_MAX;
    if (v < INT32_MIN)
        return INT32_MIN;
    return long(v);
}

int16_t Scale16(long units, int dpi)
{
    return Saturate16(RescaleWide(units, kBaseDpi, dpi));
}

int16_t Rescale16(long value, int fromDpi, int toDpi)
{
    return Saturate16(RescaleWide(value, fromDpi, toDpi));
}

int ScaleLine(long units, int dpi)
{
    if (units <= 0)
        return int(units);
    const long long pixels = (long long)units * ClampDpi(dpi) / kBaseDpi;
    if (pixels < 1)
        return 1;
    return pixels > INT16_MAX ? INT16_MAX : int(pixels);
}

tagRECT RescaleRect(tagRECT r, int fromDpi, int toDpi)
{
    tagRECT out;
    out.left = Rescale16(r.left, fromDpi, toDpi);
    out.top = Rescale16(r.top, fromDpi, toDpi);
    out.right = Rescale16(r.right, fromDpi, toDpi);
    out.bottom = Rescale16(r.bottom, fromDpi, toDpi);
    return out;
}

tagRECT ScaleRect(tagRECT r, int dpi)
{
    return RescaleRect(r, kBaseDpi, dpi);
}

}  // namespace XGDpiScale
