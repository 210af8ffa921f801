#include "NTScrollBar.h"

#include "forms/records/XGArgStream.h"

NTScrollBar::NTScrollBar(XGView* parent, XGArgStream& stream)
    : XGScrollBar(parent, ReadRecord(stream))
{
}

NTScrollBar::~NTScrollBar() = default;

XGSScrollInitRecord& NTScrollBar::ReadRecord(XGArgStream& stream)
{
    // One thread builds views, one at a time: the record lives until the
    // base constructor has read it.
    static XGSScrollInitRecord record;
    record.fViewType = stream.ReadInteger();
    record.fViewID = short(stream.ReadInteger());
    record.fRefNum = stream.ReadInteger();
    record.fLockLeft = stream.ReadBoolean();
    record.fLockTop = stream.ReadBoolean();
    record.fLockRight = stream.ReadBoolean();
    record.fLockBottom = stream.ReadBoolean();
    record.fAutoLeft = short(stream.ReadInteger());
    record.fAutoTop = short(stream.ReadInteger());
    record.fAutoRight = short(stream.ReadInteger());
    record.fAutoBottom = short(stream.ReadInteger());
    record.fVisible = stream.ReadBoolean();
    record.fEnabled = stream.ReadBoolean();
    record.fTabStop = stream.ReadBoolean();
    record.fValue = stream.ReadInteger();
    record.fMinValue = stream.ReadInteger();
    record.fMaxValue = stream.ReadInteger();
    record.fStepSize = stream.ReadInteger();
    record.fPageSize = stream.ReadInteger();
    return record;
}
