#pragma once
#include "controls/XGControl.h"

// A native "BUTTON" control: its click arrives as 'wint' and leaves as
// 'cclk' with the button's view ID, sent up from the button.
class XGButton : public XGControl {
public:
    // construction
    XGButton(XGView* parent, XGArgStream& stream);
    ~XGButton() override;

    // operations
    HWND GetControl() const { return fControl; }

    // overridden operations of XGView, in slot order
    void SetFocus() override;
    XG_DECLARE_DISPATCH(XGButton)
    void DoDrawView(tagRECT area) override;
    void DoActivate(bool active) override;
    void DoSizeView() override;
    void DoMoveView() override;
    void DoShowHide() override;
    void DoEnable() override;
    void GetTitle(char* out) const override;
    void SetTitle(const char* title) override;
    void PushButton() override;
    HWND__* GetAccNative() const override;
    void DoDpiChanged(int oldDpi, int newDpi) override;

    // new operations: 0 unchecked, 1 checked, -1 indeterminate
    virtual long GetValue();
    virtual void SetValue(long value);

    // message handlers
    long DoWInternal(long arg, void* data);  // 'wint'

protected:
    // The button's reference to the shared font of a built-in number, or null.
    static XGFont* AttachFont(short number);
    static void DetachFont(XGFont* font);

    XGFont* fFont;
    HWND fControl;
};
