#include "HCYQTInstallerView.h"

#include "views/XGDraw.h"
#include "dispatch/XGMessages.h"

#include <windows.h>

// long Handler(long arg, void* data); -1 passes the message on.
XG_BEGIN_DISPATCH(HCYQTInstallerView, XGView)
    XG_ON(kMsgPeriodic, DoPeriodic)
XG_END_DISPATCH()

HCYQTInstallerView::HCYQTInstallerView(XGView* parent, XGArgStream& stream)
    : XGView(parent, stream)
{
}

HCYQTInstallerView::~HCYQTInstallerView() = default;

void HCYQTInstallerView::DoDrawView(tagRECT)
{
    XGDraw draw(this);
    tagRECT content = GetContentRect();
    tagRECT frame = content;
    RectMath::InsetRect(&frame, -1, -1);
    draw.Draw3DRect(frame, kRectSunken);
    draw.FillRect(content, RGB(0, 0, 0));
    draw.DrawPicture(kOfferPic, static_cast<short>(content.left), static_cast<short>(content.top));
}

bool HCYQTInstallerView::DoMouseDown(Point, short)
{
    // The background takes no part in a click: nothing to capture.
    return false;
}

void HCYQTInstallerView::DoSizeView()
{
    XGView::DoSizeView();
    InvalView(nullptr);
}

long HCYQTInstallerView::DoPeriodic(long, void*)
{
    return -1;
}
