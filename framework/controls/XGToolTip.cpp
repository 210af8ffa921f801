#include "controls/XGToolTip.h"

#include "views/XGDraw.h"
#include "views/XGFont.h"
#include "controls/XGPopWindow.h"
#include "controls/XGToolTipView.h"
#include "views/XGView.h"

XGPopWindow* XGToolTip::gPopWindow = nullptr;
XGToolTipView* XGToolTip::gPopView = nullptr;

void XGToolTip::OpenTip(XGView* owner, Point where, const char* text)
{
    XGDraw draw(owner, true);
    if (XGFont* font = XGFont::LoadFont(1))
        draw.SetFont(font, false);
    CloseTip();
    XGToolTipView* tip = new XGToolTipView(text);
    const Point size = tip->GetPopSize(draw);
    tagRECT r;
    r.left = where.h;
    r.top = where.v;
    r.right = r.left + size.h;
    r.bottom = r.top + size.v;
    gPopWindow = new XGPopWindow(owner, r, tip);
    gPopView = tip;
    // The views close the tip when the mouse leaves them.
    XGView::gCloseTipHook = CloseTip;
}

void XGToolTip::CloseTip()
{
    XGPopWindow* pop = gPopWindow;
    if (!pop)
        return;
    // Forgotten first: destroying the window may bring us back here.
    gPopWindow = nullptr;
    gPopView = nullptr;
    delete pop;
}
