#pragma once
#include "views/XGView.h"

class XGArgStream;

// A bitmap resource drawn at its own size in a sunken frame, optionally in a
// band of fWidth by fHeight centred in the view.
class XGPicture : public XGView {
public:
    XGPicture(XGView* parent, XGArgStream& stream);
    ~XGPicture() override;

    void DoDrawView(tagRECT area) override;
    long GetAccRole() const override;

    // The drawing area: the content rectangle, or a band centred in it.
    static tagRECT CenteredBand(tagRECT content, short width, short height);

private:
    short fWidth;
    short fHeight;
    short fPictID;
};
