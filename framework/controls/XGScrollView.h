#pragma once
#include "views/XGView.h"

class XGArgStream;
class XGScrollBar;

// A framed view with an optional horizontal bar along its bottom edge, an
// optional vertical bar along its right edge and a grey corner where they
// meet. Every other child lives in the area the bars leave free and is
// scrolled by the bars' value changes, one step being fPixelStep pixels.
class XGScrollView : public XGView {
public:
    // construction
    XGScrollView(XGView* parent, XGArgStream& stream);
    ~XGScrollView() override;

    // operations
    long GetPixelStep() const { return fPixelStep; }
    void SetPixelStep(long step) { fPixelStep = step; }
    // Each value goes to the bar of its axis when that bar exists.
    void SetScrollValue(long h, long v);
    void SetMinValue(long h, long v);
    void SetMaxValue(long h, long v);
    void SetPageSize(long h, long v);
    // 0 for a missing bar.
    void GetScrollValue(long* h, long* v);
    XGScrollBar* GetHScroll() const { return fHScroll; }
    XGScrollBar* GetVScroll() const { return fVScroll; }
    bool HasCorner() const { return fHasCorner; }

    // overridden operations, in slot order
    XG_DECLARE_DISPATCH(XGScrollView)
    void DoDrawView(tagRECT area) override;
    tagRECT CalcChildPos(XGView* child) override;

    // message handlers
    long DoSliderStart(long arg, void* data);  // 'scrs'
    long DoSliderValue(long arg, void* data);  // 'sval'

private:
    enum PlacingBar { kPlacingNone, kPlacingHorizontal, kPlacingVertical };
    XGScrollBar* MakeBar(PlacingBar which);
    bool IsBar(const XGView* view) const;

    bool fHasCorner;
    long fPixelStep;
    XGScrollBar* fHScroll;
    XGScrollBar* fVScroll;
    // The bar whose constructor is running: it asks for its place before its
    // pointer is stored, and its orientation follows from that place.
    PlacingBar fPlacing;
};
