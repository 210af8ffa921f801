#include "controls/XGToolTipView.h"

#include <cstring>

#include "views/XGDpiScale.h"
#include "views/XGDraw.h"
#include "views/XGFont.h"

XGToolTipView::XGToolTipView(const char* text) : XGView(nullptr, CodeRecord('****', 1)), fText()
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
    const int dpi = draw.GetView() ? draw.GetView()->GetDpi() : XGDpiScale::kBaseDpi;
    size.v = int16_t(draw.GetFontHeight() + XGDpiScale::Scale(2, dpi));
    size.h = int16_t(draw.StringWidth(fText) + XGDpiScale::Scale(6, dpi));
    return size;
}

void XGToolTipView::DoDrawView(tagRECT)
{
    XGDraw draw(this, true);
    if (XGFont* font = XGFont::LoadFont(1))
        draw.SetFont(font, false);  // the context drops the only reference when it ends
    draw.SetForeColor(kPaletteTipText);
    draw.SetBackColor(kPaletteTipBack);
    const tagRECT content = GetContentRect();
    draw.EraseRect(content);
    draw.MoveTo(ScaleUnits(3), short(draw.GetFontAscent() + ScaleUnits(1)));
    draw.DrawString(fText);
    draw.FrameRect(content);
}
