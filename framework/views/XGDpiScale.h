// Layout units to pixels. Records, offsets and the framework's fixed metrics
// are written in units of 1/96 inch; a window shows them at its own DPI.
// Edges are scaled, never sizes, so that two views whose edges meet at 96
// DPI still meet at every other scale. Free of <windows.h>: it is placement
// arithmetic and builds natively.
#pragma once

#include <cstdint>

#include "views/RectMath.h"

namespace XGDpiScale {

// The DPI that layout units are written in.
constexpr int kBaseDpi = 96;

// A DPI outside [kMinDpi, kMaxDpi] is read as kBaseDpi.
constexpr int kMinDpi = 48;
constexpr int kMaxDpi = 960;
int ClampDpi(long dpi);

// value * to / from, rounded half away from zero; exact for 0 and when
// from == to.
long Rescale(long value, int fromDpi, int toDpi);

// A length or position in layout units at dpi.
inline long Scale(long units, int dpi) { return Rescale(units, kBaseDpi, dpi); }

// The same saturated to 16 bits: views keep their positions and sizes in
// 16-bit fields.
int16_t Scale16(long units, int dpi);
int16_t Rescale16(long value, int fromDpi, int toDpi);

// A line's width in layout units at dpi: scaled down to whole pixels as the
// system scales its borders (1 unit stays 1 pixel until 192 DPI), never
// thinner than 1 pixel for a line of any width; 0 and less stay as given.
int ScaleLine(long units, int dpi);

// Each edge scaled on its own, then saturated to 16 bits.
tagRECT ScaleRect(tagRECT r, int dpi);
tagRECT RescaleRect(tagRECT r, int fromDpi, int toDpi);

}  // namespace XGDpiScale
