#include "controls/XGToolTipView.h"

#include <cstring>

#include "controls/XGControlFont.h"
#include "views/XGDpiScale.h"
#include "views/XGDraw.h"
#include "views/XGFont.h"

XGToolTipView::XGToolTipView(const char* text, int dpi)
    : XGView(nullptr, CodeRecord('****', 1)), fText(), fDpi(dpi > 0 ? XGDpiScale::ClampDpi(dpi) : 0)
{
    if (text) {
        std::strncpy(fText, text, sizeof fText - 1);
        fText[sizeof fText - 1] = 0;
    }
}

XGToolTipView::~XGToolTipView() = default;

Point XGToolTipView::GetPopSize(XGDraw& draw)
{
    Point size;
    const int dpi = fDpi > 0 ? fDpi : XGDpiScale::kBaseDpi;
    size.v = int16_t(draw.GetFontHeight() + XGDpiScale::Scale(2, dpi));
    size.h = int16_t(draw.StringWidth(fText) + XGDpiScale::Scale(6, dpi));
    return size;
}

void XGToolTipView::DoDrawView(tagRECT)
{
    XGDraw draw(this, true);
    if (XGFont* font = XGFont::LoadFont(1))
        XGControlFont::Select(draw, font, false, fDpi);  // the context drops the only reference when it ends
    draw.SetForeColor(kPaletteTipText);
    draw.SetBackColor(kPaletteTipBack);
    const tagRECT content = GetContentRect();
    draw.EraseRect(content);
    const int dpi = fDpi > 0 ? fDpi : XGDpiScale::kBaseDpi;
    draw.MoveTo(XGDpiScale::Scale16(3, dpi), short(draw.GetFontAscent() + XGDpiScale::Scale(1, dpi)));
    draw.DrawString(fText);
    draw.FrameRect(content);
}
