#pragma once
#include "views/XGView.h"

class XGArgStream;

// An icon (0 error, 1 information, 2 warning, or an icon resource) drawn at
// its own size (scaled with the window) in a sunken frame, optionally in a
// centred band.
class XGIcon : public XGView {
public:
    XGIcon(XGView* parent, XGArgStream& stream);
    ~XGIcon() override;

    void DoDrawView(tagRECT area) override;
    long GetAccRole() const override;

private:
    short fWidth;
    short fHeight;
    short fIconID;
};
