#include "controls/XGScrollLayout.h"

XGScrollLayout::XGScrollLayout(const tagRECT& frame, Point bar, bool hasHorizontal,
                               bool hasVertical, bool hasCorner)
{
    tagRECT r = frame;
    RectMath::InsetRect(&r, 1, 1);

    fHorizontal.left = r.left;
    fHorizontal.right = hasCorner ? r.right - bar.h : r.right;
    fHorizontal.top = r.bottom - bar.v;
    fHorizontal.bottom = r.bottom;

    fVertical.left = r.right - bar.h;
    fVertical.right = r.right;
    fVertical.top = r.top;
    fVertical.bottom = hasCorner ? r.bottom - bar.v : r.bottom;

    fCorner.left = r.right - bar.h;
    fCorner.top = r.bottom - bar.v;
    fCorner.right = r.right;
    fCorner.bottom = r.bottom;

    fContent = r;
    if (hasVertical)
        fContent.right -= bar.h;
    if (hasHorizontal)
        fContent.bottom -= bar.v;
}
