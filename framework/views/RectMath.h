// Rectangle and point arithmetic shared by the views, the drawing contexts and
// the controls. Kept free of <windows.h> so that it also builds and is tested
// natively; on Windows the platform's own tagRECT is used so that both meet.
#pragma once

#include <cstdint>

#include "foundation/XGTypes.h"

#ifdef _WIN32
#include <windef.h>
#else
struct tagRECT {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};
#endif

static_assert(sizeof(tagRECT) == 16, "tagRECT is four 32-bit edges");

// Named in a namespace because USER32 declares InsetRect, EqualRect and
// PtInRect with other signatures and other edge rules.
namespace RectMath {

// left += dh, right -= dh, top += dv, bottom -= dv; an empty result becomes all 0.
void InsetRect(tagRECT* rect, short dh, short dv);

// True unless left < right and top < bottom.
bool EmptyRect(const tagRECT* rect);

// True if both are empty or all four edges are equal.
bool EqualRect(const tagRECT* a, const tagRECT* b);

// Intersection computed on the 16-bit values of the edges; an empty result
// becomes all 0 and answers false. out may be a or b.
bool SectRect(const tagRECT* a, const tagRECT* b, tagRECT* out);

// left <= h < right and top <= v < bottom.
bool PtInRect(Point pt, const tagRECT* rect);

// The views' own intersection: the same rule on the full 32-bit edges.
bool SectRectLong(const tagRECT* a, const tagRECT* b, tagRECT* out);

// The views' hit test: all four edges count as inside; an empty rectangle
// contains nothing.
bool PtInRectInclusive(Point pt, const tagRECT* rect);

// Moves all four edges by (dh, dv).
void OffsetRect(tagRECT* rect, int32_t dh, int32_t dv);

// The automatic location of a view inside its parent's content rectangle: a
// locked edge follows the same edge of the parent, an unlocked edge the
// opposite one; each offset is added to the edge followed.
struct AutoLocation {
    bool lockLeft, lockTop, lockRight, lockBottom;
    short autoLeft, autoTop, autoRight, autoBottom;
};
tagRECT AutoLocate(const AutoLocation& location, const tagRECT& parent);

}  // namespace RectMath
