// A scroll bar that a VRES record describes ('nbar'). The framework's bar is
// made in code only (scroll views make their own); this class reads its
// numbers from the record: after the common view fields, the Integers value,
// minimum, maximum, step and page.
#pragma once

#include "controls/XGScrollBar.h"

class XGArgStream;

class NTScrollBar : public XGScrollBar {
public:
    // construction
    NTScrollBar(XGView* parent, XGArgStream& stream);
    ~NTScrollBar() override;

private:
    // The record read from the stream, kept for the base class's constructor.
    static XGSScrollInitRecord& ReadScrollRecord(XGArgStream& stream);
};
