// A strip of icon buttons (22 layout units square) and separators described by a "TMenu"
// resource. Each button stands for a menu command: its look follows the
// command's status from the dispatch chain after every event, a click sends
// the command, and hovering outlines the button and shows its help text in a
// tool tip.
#pragma once

#include <cstdint>

#include "foundation/XGHandle.h"
#include "views/XGView.h"

class XGDraw;

class XGToolbarView : public XGView {
public:
    // State byte bits.
    enum : uint8_t { kStatePressed = 0x01, kStateSeparator = 0x02, kStateChecked = 0x04, kStateEnabled = 0x08 };

    // construction
    explicit XGToolbarView(short resID);
    ~XGToolbarView() override;

    // Shows another tool bar resource; the same number again does nothing.
    void ChangeToolMenu(short resID);

    // accessors
    short GetToolMenu() const { return fToolMenu; }
    long GetHotItem() const { return fHotItem; }
    long GetToolLength() const;
    // The stored state byte of an item (0 out of range).
    uint8_t GetItemState(long index) const;
    tagRECT CalcButton(long index) const;

    // overridden operations of XGView
    XG_DECLARE_DISPATCH(XGToolbarView)
    void DoDrawView(tagRECT area) override;
    bool DoMouseDown(Point where, short modifiers) override;
    void DoMouseMove(Point where, short modifiers) override;
    void DoMouseUp(Point where, short modifiers) override;
    void DoMouseLeave() override;

    // accessibility: the buttons and separators stand as its children
    long GetAccRole() const override;
    long GetAccItemCount() const override;
    bool GetAccItem(long index, XGAccItem& item) const override;
    bool DoAccItemAction(long index) override;
    void DoDpiChanged(int oldDpi, int newDpi) override;

    // message handlers
    long DoPeriodic(long arg, void* data);     // 'post'

private:
    short GetItemIcon(long index) const;
    short GetItemCommand(long index) const;
    void GetItemHelp(long index, char* out) const;
    long GetItemOffset(long index) const;
    long FindItem(Point where) const;
    void SendMenuCommand(long command);
    uint8_t GetMenuStatus(long command);
    void OutlineButton(long index);
    void DrawButton(XGDraw& draw, tagRECT r, long index, uint8_t state);

    short fToolMenu;
    XGHandle fToolData;
    XGHandle fToolState;
    long fHotItem;
    tagRECT fTrackRect;
    long fTrackItem;
    bool fTrackInside;
    uint8_t fTrackState;
};
