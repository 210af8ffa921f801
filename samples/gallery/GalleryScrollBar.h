// A scroll bar that a VRES record describes ('gbar'). The framework's bar is
// made in code only; this class reads its numbers from the record: after the
// common view fields, the Integers value, minimum, maximum, step and page.
#pragma once

#include "controls/XGScrollBar.h"

class XGArgStream;

class GalleryScrollBar : public XGScrollBar {
public:
    GalleryScrollBar(XGView* parent, XGArgStream& stream);
    ~GalleryScrollBar() override;

private:
    // The record read from the stream, kept for the base class's constructor.
    static XGSScrollInitRecord& ReadScrollRecord(XGArgStream& stream);
};
