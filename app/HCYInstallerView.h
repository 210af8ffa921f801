#pragma once

#include "views/XGView.h"

// The start window's only view: the splash picture for three seconds, then
// the main background with the Install (1) and Exit (2) picture buttons.
class HCYInstallerView : public XGView {
public:
    // construction
    HCYInstallerView(XGView* parent, XGArgStream& stream);
    ~HCYInstallerView() override;

    // operations
    // The splash wait: a nested message loop of three seconds that a click
    // ends early and a key or another button press ends the program.
    void DoTimer();
    void ChangeBackground();

    // overridden operations of XGView, in slot order
    void DoGainFocus() override;
    void DoLoseFocus() override;
    XG_DECLARE_DISPATCH(HCYInstallerView)
    void DoDrawView(tagRECT area) override;
    bool DoMouseDown(Point where, short modifiers) override;
    void DoMouseMove(Point where, short modifiers) override;
    void DoMouseUp(Point where, short modifiers) override;
    void DoSizeView() override;

    // message handlers
    long DoPeriodic(long arg, void* data);      // 'peri'
    long ControlClick(long viewID, void* data); // 'cclk'

    // Bitmaps of the two backgrounds.
    static constexpr int kSplashPic = 138;
    static constexpr int kMainPic = 127;

    long gTimer;
    int kBackgroundPic;
    unsigned long GTimer;
    bool bFirst;
};
