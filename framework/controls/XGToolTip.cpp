#include "controls/XGToolTip.h"

#include "views/XGDraw.h"
#include "views/XGFont.h"
#include "controls/XGControlFont.h"
#include "controls/XGPopWindow.h"
#include "controls/XGToolTipView.h"
#include "views/XGView.h"

XGPopWindow* XGToolTip::gPopWindow = nullptr;
XGToolTipView* XGToolTip::gPopView = nullptr;

void XGToolTip::OpenTip(XGView* owner, Point where, const char* text, int dpi)
{
    if (dpi <= 0 && owner && owner->GetWindow())
        dpi = owner->GetDpi();
    XGDraw draw(owner, true);
    if (XGFont* font = XGFont::LoadFont(1))
        XGControlFont::Select(draw, font, false, dpi);
    CloseTip();
    XGToolTipView* tip = new XGToolTipView(text, dpi);
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
