#include "views/RectMath.h"

#include <algorithm>

namespace RectMath {

namespace {

void ZeroRect(tagRECT* rect)
{
    rect->left = 0;
    rect->top = 0;
    rect->right = 0;
    rect->bottom = 0;
}

}  // namespace

void InsetRect(tagRECT* rect, short dh, short dv)
{
    rect->left += dh;
    rect->right -= dh;
    rect->top += dv;
    rect->bottom -= dv;
    if (EmptyRect(rect))
        ZeroRect(rect);
}

bool EmptyRect(const tagRECT* rect)
{
    return !(rect->left < rect->right && rect->top < rect->bottom);
}

bool EqualRect(const tagRECT* a, const tagRECT* b)
{
    if (EmptyRect(a) && EmptyRect(b))
        return true;
    return a->left == b->left && a->top == b->top && a->right == b->right
        && a->bottom == b->bottom;
}

bool SectRect(const tagRECT* a, const tagRECT* b, tagRECT* out)
{
    // The classic rectangle library works on 16-bit coordinates; edges beyond
    // that range wrap exactly as they did there.
    tagRECT r;
    r.left = std::max<int16_t>(static_cast<int16_t>(a->left), static_cast<int16_t>(b->left));
    r.top = std::max<int16_t>(static_cast<int16_t>(a->top), static_cast<int16_t>(b->top));
    r.right = std::min<int16_t>(static_cast<int16_t>(a->right), static_cast<int16_t>(b->right));
    r.bottom = std::min<int16_t>(static_cast<int16_t>(a->bottom), static_cast<int16_t>(b->bottom));
    *out = r;
    if (EmptyRect(out)) {
        ZeroRect(out);
        return false;
    }
    return true;
}

bool PtInRect(Point pt, const tagRECT* rect)
{
    return rect->left <= pt.h && pt.h < rect->right && rect->top <= pt.v && pt.v < rect->bottom;
}

bool SectRectLong(const tagRECT* a, const tagRECT* b, tagRECT* out)
{
    tagRECT r;
    r.left = std::max(a->left, b->left);
    r.top = std::max(a->top, b->top);
    r.right = std::min(a->right, b->right);
    r.bottom = std::min(a->bottom, b->bottom);
    *out = r;
    if (EmptyRect(out)) {
        ZeroRect(out);
        return false;
    }
    return true;
}

bool PtInRectInclusive(Point pt, const tagRECT* rect)
{
    if (EmptyRect(rect))
        return false;
    return rect->left <= pt.h && pt.h <= rect->right && rect->top <= pt.v && pt.v <= rect->bottom;
}

void OffsetRect(tagRECT* rect, int32_t dh, int32_t dv)
{
    rect->left += dh;
    rect->right += dh;
    rect->top += dv;
    rect->bottom += dv;
}

tagRECT AutoLocate(const AutoLocation& location, const tagRECT& parent)
{
    tagRECT r;
    r.left = location.autoLeft + (location.lockLeft ? parent.left : parent.right);
    r.top = location.autoTop + (location.lockTop ? parent.top : parent.bottom);
    r.right = location.autoRight + (location.lockRight ? parent.right : parent.left);
    r.bottom = location.autoBottom + (location.lockBottom ? parent.bottom : parent.top);
    return r;
}

}  // namespace RectMath
