#include "GalleryScrollBar.h"

#include "records/XGArgStream.h"

GalleryScrollBar::GalleryScrollBar(XGView* parent, XGArgStream& stream)
    : XGScrollBar(parent, ReadScrollRecord(stream))
{
}

GalleryScrollBar::~GalleryScrollBar() = default;

XGSScrollInitRecord& GalleryScrollBar::ReadScrollRecord(XGArgStream& stream)
{
    // One thread builds views, one at a time: the record lives until the
    // base constructor has read it.
    static XGSScrollInitRecord record;
    static_cast<XGSViewInitRecord&>(record) = XGView::ReadRecord(stream);
    record.fValue = stream.ReadInteger();
    record.fMinValue = stream.ReadInteger();
    record.fMaxValue = stream.ReadInteger();
    record.fStepSize = stream.ReadInteger();
    record.fPageSize = stream.ReadInteger();
    return record;
}
