#pragma once
#include "controls/XGButton.h"

// A check box that the program toggles itself; it also shows the
// indeterminate state (SetValue (2), read back as -1).
class XGCheckButton : public XGButton {
public:
    // construction
    XGCheckButton(XGView* parent, XGArgStream& stream);
    ~XGCheckButton() override;

private:
    void InitControl(const char* title, long value);
};
