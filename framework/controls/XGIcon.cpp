#include "controls/XGIcon.h"
#include "forms/records/XGArgStream.h"
#include "views/XGDraw.h"
#include "controls/XGPicture.h"

XGIcon::XGIcon(XGView* parent, XGArgStream& stream)
    : XGView(parent, stream), fWidth(0), fHeight(0), fIconID(0)
{
    fIconID = short(stream.ReadInteger());
    fWidth = short(stream.ReadInteger());
    fHeight = short(stream.ReadInteger());
}

XGIcon::~XGIcon() = default;

void XGIcon::DoDrawView(tagRECT area)
{
    XGDraw draw(this);
    draw.Draw3DRect(area, kRectFaceFill);
    tagRECT r = XGPicture::CenteredBand(GetContentRect(), fWidth, fHeight);
    tagRECT frame = {r.left - 1, r.top - 1, r.right + 1, r.bottom + 1};
    draw.Draw3DRect(frame, kRectSunken);
    draw.DrawIcon(fIconID, short(r.left), short(r.top), true);
}
