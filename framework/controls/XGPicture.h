#pragma once
#include "views/XGView.h"

class XGArgStream;
class XGDraw;

// A bitmap resource drawn at its own size in a sunken frame, optionally in a
// band of fWidth by fHeight centred in the view; in a window of another DPI
// than 96 the band is scaled and the bitmap stretched to fill it.
class XGPicture : public XGView {
public:
    XGPicture(XGView* parent, XGArgStream& stream);
    ~XGPicture() override;

    void DoDrawView(tagRECT area) override;
    long GetAccRole() const override;

    // The drawing area: the content rectangle, or a band centred in it.
    static tagRECT CenteredBand(tagRECT content, short width, short height);
    // Where the bitmap is drawn, at the window's scale.
    tagRECT GetPictureRect() const;

private:
    void DrawScaled(XGDraw& draw, const tagRECT& r);

    short fWidth;
    short fHeight;
    short fPictID;
};
