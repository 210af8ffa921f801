#include "XGToolTipView.h"

#include <cstring>

#include "XGDraw.h"
#include "XGFont.h"

XGSViewInitRecord XGToolTipView::TipRecord()
{
    XGSViewInitRecord record = {};
    record.fViewType = '****';
    record.fViewID = 1;
    record.fRefNum = 0;
    record.fAutoLeft = 1;
    record.fAutoTop = 1;
    record.fAutoRight = 1;
    record.fAutoBottom = 1;
    record.fVisible = true;
    record.fEnabled = true;
    record.fTabStop = false;
    return record;
}

XGToolTipView::XGToolTipView(const char* text) : XGView(nullptr, TipRecord()), fText()
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
    size.v = int16_t(draw.GetFontHeight() + 2);
    size.h = int16_t(draw.StringWidth(fText) + 6);
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
    draw.MoveTo(3, short(draw.GetFontAscent() + 1));
    draw.DrawString(fText);
    draw.FrameRect(content);
}
