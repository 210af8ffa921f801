// The content of a tool tip: one line of text on the system's tip colours.
#pragma once

#include "views/XGView.h"

class XGDraw;

class XGToolTipView : public XGView {
public:
    // construction; a text longer than 255 characters is cut. dpi is the
    // scale of the view the tip is for (0: the display's).
    explicit XGToolTipView(const char* text, int dpi = 0);
    ~XGToolTipView() override;

    const char* GetText() const { return fText; }
    // The size the tip needs with the font selected in draw.
    Point GetPopSize(XGDraw& draw);

    void DoDrawView(tagRECT area) override;

private:
    char fText[256];
    int fDpi;
};
