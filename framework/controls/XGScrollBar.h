#pragma once
#include "controls/XGScrollScale.h"
#include "controls/XGSlider.h"

class XGScrollBar;

// A scroll bar made in code: the common view fields, then its own.
struct XGSScrollInitRecord : XGSViewInitRecord {
    long fValue;
    long fMinValue;
    long fMaxValue;
    long fStepSize;
    long fPageSize;
};

// The data of 'sval'.
struct XGScrollValueRecord {
    XGScrollBar* scrollBar;
    long oldValue;
    long newValue;
};

// A native "SCROLLBAR" control. Framework values are 32-bit; the native bar
// sees them divided by fScale so that its range stays near 16384 units.
// Every value change sends 'scrs' before and 'sval' after, up from the bar.
class XGScrollBar : public XGSlider {
public:
    // construction
    XGScrollBar(XGView* parent, XGSScrollInitRecord& record);
    ~XGScrollBar() override;

    // operations
    long GetStepSize() const { return fStepSize; }
    long GetPageSize() const { return fPageSize; }
    long GetScale() const { return fScale; }
    void SetStepSize(long step) { fStepSize = step; }
    void SetPageSize(long page);
    HWND GetControl() const { return fControl; }
    // The system's thickness of the bars at a window's DPI.
    static Point GetDefaultSize(int dpi = 96);

    // overridden operations, in slot order
    void SetFocus() override;
    XG_DECLARE_DISPATCH(XGScrollBar)
    void DoDrawView(tagRECT area) override;
    void DoActivate(bool active) override;
    void DoSizeView() override;
    void DoMoveView() override;
    void DoShowHide() override;
    void DoEnable() override;
    HWND__* GetAccNative() const override;

    // new operations
    virtual long GetValue();
    virtual void SetValue(long value);
    virtual long GetMinValue();
    virtual long GetMaxValue();
    virtual void SetMinValue(long value);
    virtual void SetMaxValue(long value);

    // message handlers
    long DoWInternal(long arg, void* data);  // 'wint'

private:
    void InitScrollBar(const XGSScrollInitRecord& record);
    void AdjustScale();
    void LoadControl();
    // Stores a new value with the notices around it.
    void ChangeValue(long value);

    long fPageSize;
    long fStepSize;
    long fValue;
    long fMinValue;
    long fMaxValue;
    long fScale;
    HWND fControl;
    // What the native bar was last given: setting a bar to what it already
    // shows costs no message to it and no redraw.
    XGScrollScale fLoaded;
    bool fHasLoaded;
};
