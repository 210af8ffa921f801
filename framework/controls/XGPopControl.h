#pragma once
#include "controls/XGControl.h"
#include "foundation/XGStringList.h"

class XGInline;
class XGPopControl;

// The data of 'pcls': the control whose inline list closed and the index chosen.
struct XGPopCloseRecord {
    XGPopControl* control;
    long index;
};

// A drop-down list (native "COMBOBOX") whose value is the selected item's
// index. A changed choice leaves as 'pval' with the view ID, sent up.
class XGPopControl : public XGControl {
public:
    // construction
    XGPopControl(XGView* parent, XGArgStream& stream);
    ~XGPopControl() override;

    // operations
    long Length() const;
    void DeleteAll();
    void ReloadItems();
    // The item texts; call ReloadItems after changing them.
    XGStringList& GetItems() { return fItems; }
    HWND GetControl() const { return fControl; }

    // overridden operations, in slot order
    void SetFocus() override;
    void DoGainFocus() override;
    void DoLoseFocus() override;
    XG_DECLARE_DISPATCH(XGPopControl)
    void DoDrawView(tagRECT area) override;
    void DoActivate(bool active) override;
    bool DoMouseDown(Point where, short modifiers) override;
    void DoSizeView() override;
    void DoMoveView() override;
    void DoShowHide() override;
    void DoEnable() override;
    HWND__* GetAccNative() const override;
    void DoDpiChanged(int oldDpi, int newDpi) override;

    // new operations
    virtual long GetValue();
    virtual void SetValue(long value);

    // message handlers
    long DoKey(long key, void* data);          // 'keye'
    long DoInlineClose(long arg, void* data);  // 'pcls'
    long DoWInternal(long arg, void* data);    // 'wint'

private:
    void InitControl();
    // Room below the field for the drop-down list.
    tagRECT GetComboRect() const;

    XGInline* fInline;
    XGStringList fItems;
    XGFont* fFont;
    short fFontID;
    long fValue;
    HWND fControl;
};
