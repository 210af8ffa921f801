#include "views/XGInline.h"
#include "views/XGView.h"

XGInline* XGInline::gInline = nullptr;

void XGInline::Close()
{
    if (gInline && gInline->fOwner)
        gInline->fOwner->SetFocus();
}

void XGInline::CloseInline(XGView* view)
{
    if (gInline && gInline->fOwner == view)
        Close();
}
