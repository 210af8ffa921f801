// The content of a tool tip: one line of text on the system's tip colours.
#pragma once

#include "views/XGView.h"

class XGDraw;

class XGToolTipView : public XGView {
public:
    // construction; a text longer than 255 characters is cut
    explicit XGToolTipView(const char* text);
    ~XGToolTipView() override;

    const char* GetText() const { return fText; }
    // The size the tip needs with the font selected in draw, at the scale
    // of draw's view (the tip's owner, whose screen it opens on).
    Point GetPopSize(XGDraw& draw);

    void DoDrawView(tagRECT area) override;

private:
    char fText[256];
};
