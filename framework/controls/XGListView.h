#pragma once
#include "views/XGView.h"

class XGDraw;
class XGListControl;

// The content view of a list control: fills the scroll view's content area,
// draws the visible lines and turns clicks into selection changes.
class XGListView : public XGView {
public:
    // construction
    explicit XGListView(XGListControl* owner);
    ~XGListView() override;

    // operations
    // Redraws the line of item only when it is visible.
    void RedrawLine(long item);
    // Scroll ranges, pixel step and page sizes from the items and the font.
    void CalcResize();

    // overridden operations, in slot order
    void DoDrawView(tagRECT area) override;
    bool DoMouseDown(Point where, short modifiers) override;
    void DoMouseMove(Point where, short modifiers) override;
    void DoMouseUp(Point where, short modifiers) override;
    void DoSizeView() override;
    void DoDpiChanged(int oldDpi, int newDpi) override;

private:
    void AttachFont(XGDraw& draw);
    void VisibleRange(long* first, long* last);
    void DrawLine(XGDraw& draw, long row, long item, bool selected);

    XGListControl* fOwner;
};
