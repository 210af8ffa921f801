#pragma once

#include "HCYDoInstall.h"
#include "views/XGView.h"

#include <memory>

// A button drawn entirely from three bitmaps (normal, hover, pressed) chosen
// by its view ID; releasing a press it accepted runs the action of that ID,
// wherever the pointer is by then. It is a tab stop: Space and Enter press
// the focused one, which shows a focus mark once the keyboard is in use.
class HCYPictureButton : public XGView {
public:
    // construction
    HCYPictureButton(XGView* parent, XGArgStream& stream);
    ~HCYPictureButton() override;

    // operations
    void ChangePicture(short bitmap);
    // What releasing a press does: the action of the button's view ID.
    // Answers false when the button was deleted while the action ran: an
    // alert runs a nested event loop in which the button's window may close.
    bool RunAction();

    // overridden operations of XGView, in slot order
    void DoGainFocus() override;
    void DoLoseFocus() override;
    XG_DECLARE_DISPATCH(HCYPictureButton)
    void DoDrawView(tagRECT area) override;
    void DoActivate(bool active) override;
    bool DoMouseDown(Point where, short modifiers) override;
    void DoMouseMove(Point where, short modifiers) override;
    void DoMouseUp(Point where, short modifiers) override;
    void DoMouseLeave() override;
    long GetAccRole() const override;
    const char* GetAccDefaultAction() const override;
    bool DoAccDefaultAction() override;

    // message handlers
    long DoKey(long key, void* data);           // 'keye'

    // View IDs of the launcher's buttons.
    enum : short { kInstall = 1, kExit = 2, kInstallQuickTime = 5, kClose = 6 };

    short ResIDState1;
    short ResIDState2;
    short ResIDState3;
    short CurrentResID;
    short pWidth;
    short pHeight;
    short ViewID;
    HCYDoInstall cInstall;

private:
    void PaintPicture(short bitmap, bool focusMark);
    tagRECT FocusMarkRect() const;

    // Cleared by the destructor; an action holds a share of it to learn
    // whether the button outlived it.
    std::shared_ptr<bool> fAlive;
};
