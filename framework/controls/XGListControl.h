#pragma once
#include "controls/XGScrollView.h"

class XGFont;
class XGListView;
class XGStringList;

// A vertical list of one-line items in a scroll view. The control owns the
// texts and their selection flags (one extra byte per string, 0 or 1); its
// XGListView draws the visible lines and turns clicks into selections and
// into 'lval' (click) and 'lsel' (double-click) sent up the dispatch chain.
class XGListControl : public XGScrollView {
public:
    // construction
    XGListControl(XGView* parent, XGArgStream& stream);
    ~XGListControl() override;

    // operations
    long Length() const;
    // buffer must hold 256 bytes.
    void GetItem(long index, char* buffer) const;
    bool GetSelect(long index) const;
    void SetSelect(long index, bool select);
    void ClearSelect();

    // The items: whoever fills the list appends here, then calls
    // GetListView()->CalcResize() and redraws.
    XGStringList* GetList() const { return fList; }
    XGListView* GetListView() const { return fListView; }
    XGFont* GetFont() const { return fFont; }
    bool IsMultiSelect() const { return fMultiSelect; }
    bool IsKeepSelect() const { return fKeepSelect; }

    // accessibility: the lines stand as the list's children
    long GetAccRole() const override;
    long GetAccItemCount() const override;
    bool GetAccItem(long index, XGAccItem& item) const override;

    // overridden operations: the list view shows the focus mark
    void DoGainFocus() override;
    void DoLoseFocus() override;

private:
    void StoreSelect(long index, bool select);

    XGListView* fListView;
    XGFont* fFont;
    XGStringList* fList;
    bool fMultiSelect;
    bool fKeepSelect;
};
