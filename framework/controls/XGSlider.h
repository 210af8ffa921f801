#pragma once
#include "controls/XGControl.h"

// Base of the value-in-a-range controls.
class XGSlider : public XGControl {
public:
    XGSlider(XGView* parent, XGArgStream& stream) : XGControl(parent, stream) {}
    XGSlider(XGView* parent, XGSViewInitRecord& record) : XGControl(parent, record) {}
    ~XGSlider() override = default;
};
