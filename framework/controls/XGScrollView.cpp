#include "controls/XGScrollView.h"

#include "controls/XGControlFields.h"
#include "records/XGFieldReader.h"
#include "views/XGDraw.h"
#include "dispatch/XGMessages.h"
#include "controls/XGScrollBar.h"
#include "controls/XGScrollLayout.h"

// long Handler(long arg, void* data); -1 passes the message on.
XG_BEGIN_DISPATCH(XGScrollView, XGView)
    XG_ON(kMsgSliderStart, DoSliderStart)
    XG_ON(kMsgSliderValue, DoSliderValue)
XG_END_DISPATCH()

XGScrollView::XGScrollView(XGView* parent, XGArgStream& stream)
    : XGView(parent, stream), fHasCorner(false), fPixelStep(1), fHScroll(nullptr),
      fVScroll(nullptr), fPlacing(kPlacingNone)
{
    XGFieldReader fields(stream, XGControlFields::gScrollView);
    bool wantHorizontal = fields.ReadBoolean("hscroll");
    bool wantVertical = fields.ReadBoolean("vscroll");
    bool wantCorner = fields.ReadBoolean("sizebox");
    fields.End();
    fHasCorner = wantCorner || (wantHorizontal && wantVertical);
    if (wantHorizontal)
        fHScroll = MakeBar(kPlacingHorizontal);
    if (wantVertical)
        fVScroll = MakeBar(kPlacingVertical);
}

XGScrollView::~XGScrollView()
{
    delete fHScroll;
    fHScroll = nullptr;
    delete fVScroll;
    fVScroll = nullptr;
}

XGScrollBar* XGScrollView::MakeBar(PlacingBar which)
{
    XGScrollLayout layout(GetContentRect(), XGScrollBar::GetDefaultSize(GetDpi()), fHScroll != nullptr,
                          which == kPlacingVertical, fHasCorner);
    const tagRECT& r = which == kPlacingHorizontal ? layout.fHorizontal : layout.fVertical;

    XGSScrollInitRecord record = {};
    record.fViewType = 'scrb';
    record.fLockLeft = true;
    record.fLockTop = true;
    record.fLockRight = true;
    record.fLockBottom = true;
    record.fAutoLeft = short(r.left);
    record.fAutoTop = short(r.top);
    record.fAutoRight = short(r.right - r.left);
    record.fAutoBottom = short(r.bottom - r.top);
    record.fVisible = true;
    record.fEnabled = true;
    record.fTabStop = false;
    record.fValue = 0;
    record.fMinValue = 0;
    record.fMaxValue = 0;
    record.fStepSize = 1;
    record.fPageSize = 1;

    fPlacing = which;
    XGScrollBar* bar;
    try {
        bar = new XGScrollBar(this, record);
    } catch (...) {
        fPlacing = kPlacingNone;
        throw;
    }
    if (which == kPlacingHorizontal)
        fHScroll = bar;
    else
        fVScroll = bar;
    fPlacing = kPlacingNone;
    bar->SetLocation(CalcChildPos(bar));
    return bar;
}

bool XGScrollView::IsBar(const XGView* view) const
{
    return view && (view == fHScroll || view == fVScroll);
}

// operations

void XGScrollView::SetScrollValue(long h, long v)
{
    if (fHScroll)
        fHScroll->SetValue(h);
    if (fVScroll)
        fVScroll->SetValue(v);
}

void XGScrollView::SetMinValue(long h, long v)
{
    if (fHScroll)
        fHScroll->SetMinValue(h);
    if (fVScroll)
        fVScroll->SetMinValue(v);
}

void XGScrollView::SetMaxValue(long h, long v)
{
    if (fHScroll)
        fHScroll->SetMaxValue(h);
    if (fVScroll)
        fVScroll->SetMaxValue(v);
}

void XGScrollView::SetPageSize(long h, long v)
{
    if (fHScroll)
        fHScroll->SetPageSize(h);
    if (fVScroll)
        fVScroll->SetPageSize(v);
}

void XGScrollView::GetScrollValue(long* h, long* v)
{
    *h = fHScroll ? fHScroll->GetValue() : 0;
    *v = fVScroll ? fVScroll->GetValue() : 0;
}

// overridden operations

void XGScrollView::DoDrawView(tagRECT)
{
    XGDraw draw(this, true);
    tagRECT content = GetContentRect();
    draw.Draw3DRect(content, kRectBlackFrame);
    if (fHasCorner) {
        XGScrollLayout layout(content, XGScrollBar::GetDefaultSize(GetDpi()), fHScroll != nullptr,
                              fVScroll != nullptr, fHasCorner);
        draw.Draw3DRect(layout.fCorner, kRectFaceFill);
    }
}

tagRECT XGScrollView::CalcChildPos(XGView* child)
{
    XGScrollLayout layout(GetContentRect(), XGScrollBar::GetDefaultSize(GetDpi()), fHScroll != nullptr,
                          fVScroll != nullptr, fHasCorner);
    if (child == fHScroll || (!IsBar(child) && fPlacing == kPlacingHorizontal))
        return layout.fHorizontal;
    if (child == fVScroll || (!IsBar(child) && fPlacing == kPlacingVertical))
        return layout.fVertical;
    return child->CalcAutoLocate(layout.fContent);
}

// message handlers

long XGScrollView::DoSliderStart(long, void*)
{
    // The scroll that follows moves pixels: they must be finished first.
    for (XGView* child = fChild; child; child = child->GetSibling()) {
        if (!IsBar(child))
            child->UpdateView();
    }
    return 0;
}

long XGScrollView::DoSliderValue(long, void* data)
{
    const XGScrollValueRecord* record = static_cast<const XGScrollValueRecord*>(data);
    // A bar inside the content is not ours to follow.
    if (!record || !IsBar(record->scrollBar))
        return -1;
    long change = (record->oldValue - record->newValue) * fPixelStep;
    bool horizontal = record->scrollBar == fHScroll;
    for (XGView* child = fChild; child; child = child->GetSibling()) {
        if (IsBar(child))
            continue;
        child->Scroll(horizontal ? change : 0, horizontal ? 0 : change);
        child->UpdateView();
    }
    return 0;
}
