#include "controls/XGListView.h"

#include "views/XGDraw.h"
#include "views/XGFont.h"
#include "controls/XGListControl.h"
#include "controls/XGListLayout.h"
#include "dispatch/XGMessages.h"
#include "foundation/XGStringList.h"
#include "foundation/XGKeys.h"

namespace {

// In layout units.
const short kTextInset = 5;
// Text width plus a margin on both sides of the widest line.
const long kLineMargin = 10;

XGSViewInitRecord ContentRecord()
{
    XGSViewInitRecord record = {};
    record.fViewType = '****';
    record.fLockLeft = true;
    record.fLockTop = true;
    record.fLockRight = true;
    record.fLockBottom = true;
    record.fVisible = true;
    record.fEnabled = true;
    record.fTabStop = false;
    return record;
}

}  // namespace

XGListView::XGListView(XGListControl* owner) : XGView(owner, ContentRecord()), fOwner(owner)
{
    CalcResize();
}

XGListView::~XGListView() = default;

// operations

void XGListView::AttachFont(XGDraw& draw)
{
    if (XGFont* font = fOwner->GetFont()) {
        font->Attach();
        draw.SetFont(font, false);  // the context drops this reference when it ends
    }
}

void XGListView::VisibleRange(long* first, long* last)
{
    long h = 0;
    long v = 0;
    fOwner->GetScrollValue(&h, &v);
    tagRECT content = GetContentRect();
    int32_t from = 0;
    int32_t to = 0;
    XGListLayout::VisibleRange(int32_t(v), content.bottom - content.top,
                               int32_t(fOwner->GetPixelStep()), int32_t(fOwner->Length()), &from,
                               &to);
    *first = from;
    *last = to;
}

void XGListView::RedrawLine(long item)
{
    long first = 0;
    long last = 0;
    VisibleRange(&first, &last);
    if (item < first || item >= last)
        return;
    XGDraw draw(this, true);
    AttachFont(draw);
    DrawLine(draw, item - first, item, fOwner->GetSelect(item));
}

void XGListView::CalcResize()
{
    long widest = 0;
    long line = 1;
    {
        XGDraw draw(this, true);
        AttachFont(draw);
        char text[256];
        long length = fOwner->Length();
        for (long i = 0; i < length; ++i) {
            fOwner->GetItem(i, text);
            long width = draw.StringWidth(text) + ScaleUnits(kLineMargin);
            if (width > widest)
                widest = width;
        }
        line = draw.GetFontHeight();
    }
    if (line < 1)
        line = 1;

    tagRECT content = GetContentRect();
    int32_t width = content.right - content.left;
    int32_t height = content.bottom - content.top;
    int32_t itemsHeight = int32_t(fOwner->Length() * line);
    fOwner->SetMinValue(0, 0);
    fOwner->SetMaxValue(XGListLayout::ScrollMaximum(int32_t(widest), width, int32_t(line)),
                        XGListLayout::ScrollMaximum(itemsHeight, height, int32_t(line)));
    fOwner->SetPixelStep(line);
    fOwner->SetPageSize(XGListLayout::PageSize(width, int32_t(line)),
                        XGListLayout::PageSize(height, int32_t(line)));
}

// overridden operations

void XGListView::DoDrawView(tagRECT)
{
    XGDraw draw(this, true);
    AttachFont(draw);
    long first = 0;
    long last = 0;
    VisibleRange(&first, &last);
    for (long item = first; item < last; ++item)
        DrawLine(draw, item - first, item, fOwner->GetSelect(item));

    tagRECT content = GetContentRect();
    long drawn = (last - first) * fOwner->GetPixelStep();
    if (drawn < content.bottom) {
        tagRECT rest = content;
        if (drawn > rest.top)
            rest.top = drawn;
        draw.EraseRect(rest);
    }
    if (fOwner->ShowsFocusMark())
        draw.DrawFocusMark(content);
}

void XGListView::DrawLine(XGDraw& draw, long row, long item, bool selected)
{
    long step = fOwner->GetPixelStep();
    long h = 0;
    long v = 0;
    fOwner->GetScrollValue(&h, &v);
    tagRECT content = GetContentRect();

    tagRECT line;
    line.left = content.left;
    line.right = content.right;
    line.top = row * step;
    line.bottom = line.top + step;
    long originH = ScaleUnits(kTextInset) - h * step;
    long originV = line.bottom - draw.GetFontDescent();

    tagRECT clip;
    if (!RectMath::SectRectLong(&line, &content, &clip))
        return;
    draw.ClipRect(&clip);
    if (!IsEnabled()) {
        draw.EraseRect(clip);
        draw.SetForeColor(kPaletteButtonShadow);
    } else if (selected && IsActive()) {
        draw.FillRect(clip, kPaletteSelection);
        draw.SetForeColor(kPaletteSelectionText);
    } else {
        draw.EraseRect(clip);
    }
    char text[256];
    fOwner->GetItem(item, text);
    draw.MoveTo(short(originH), short(originV));
    draw.DrawString(text);
    draw.SetForeColor(kPaletteBlack);
    draw.ClipRect(nullptr);
}

bool XGListView::DoMouseDown(Point where, short modifiers)
{
    long h = 0;
    long v = 0;
    fOwner->GetScrollValue(&h, &v);
    long item = XGListLayout::ItemAt(where.v, int32_t(fOwner->GetPixelStep()), int32_t(v),
                                     int32_t(fOwner->Length()));
    if (!fOwner->IsKeepSelect() && !(modifiers & kModShift))
        fOwner->ClearSelect();
    if (item >= 0)
        fOwner->SetSelect(item, !fOwner->GetSelect(item));
    long message = (modifiers & kModDoubleClick) ? kMsgListSelect : kMsgListValue;
    DoDispatch(message, fOwner->GetViewID(), nullptr, true);
    return false;
}

void XGListView::DoMouseMove(Point where, short modifiers)
{
    XGView::DoMouseMove(where, modifiers);
}

void XGListView::DoMouseUp(Point where, short modifiers)
{
    XGView::DoMouseUp(where, modifiers);
}

void XGListView::DoDpiChanged(int oldDpi, int newDpi)
{
    XGView::DoDpiChanged(oldDpi, newDpi);
    CalcResize();
    InvalView();
}

void XGListView::DoSizeView()
{
    CalcResize();
    XGView::DoSizeView();
}
