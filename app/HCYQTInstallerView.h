#pragma once

#include "views/XGView.h"

// The QuickTime offer window's view: its background picture under the
// Install QuickTime (5) and Close (6) picture buttons.
class HCYQTInstallerView : public XGView {
public:
    // construction
    HCYQTInstallerView(XGView* parent, XGArgStream& stream);
    ~HCYQTInstallerView() override;

    // overridden operations of XGView, in slot order
    XG_DECLARE_DISPATCH(HCYQTInstallerView)
    void DoDrawView(tagRECT area) override;
    bool DoMouseDown(Point where, short modifiers) override;
    void DoSizeView() override;

    // message handlers
    long DoPeriodic(long arg, void* data);      // 'peri'

    static constexpr int kOfferPic = 139;
};
