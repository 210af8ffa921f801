#pragma once
#include "controls/XGButton.h"

// A push button; the default button of a dialog carries the default style.
class XGCommandButton : public XGButton {
public:
    // construction
    XGCommandButton(XGView* parent, XGArgStream& stream);
    ~XGCommandButton() override;

    void SetDefault(bool isDefault);
    bool IsDefault() const { return fDefault; }

    // overridden operations
    void DoMoveView() override;

private:
    void InitControl(const char* title);
    // The native button sits 4 pixels inside the view on every side.
    tagRECT GetButtonRect() const;

    bool fDefault;
};
