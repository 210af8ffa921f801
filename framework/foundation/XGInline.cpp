#include "XGInline.h"
#include "XGView.h"

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
