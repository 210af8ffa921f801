#include "controls/XGPicture.h"

#include <windows.h>
#include <oleacc.h>

#include "controls/XGControlFields.h"
#include "records/XGFieldReader.h"
#include "views/XGDraw.h"

XGPicture::XGPicture(XGView* parent, XGArgStream& stream)
    : XGView(parent, stream), fWidth(0), fHeight(0), fPictID(0)
{
    XGFieldReader fields(stream, XGControlFields::gPicture);
    fPictID = short(fields.ReadInteger("picture"));
    fWidth = short(fields.ReadInteger("size"));
    fHeight = short(fields.ReadInteger("size"));
    fields.End();
}

XGPicture::~XGPicture() = default;

tagRECT XGPicture::CenteredBand(tagRECT r, short width, short height)
{
    if (width > 0) {
        r.left = (r.left + r.right - width) / 2;
        r.right = r.left + width;
    }
    if (height > 0) {
        r.top = (r.top + r.bottom - height) / 2;
        r.bottom = r.top + height;
    }
    return r;
}

void XGPicture::DoDrawView(tagRECT area)
{
    XGDraw draw(this);
    draw.Draw3DRect(area, kRectFaceFill);
    tagRECT r = CenteredBand(GetContentRect(), fWidth, fHeight);
    tagRECT frame = {r.left - 1, r.top - 1, r.right + 1, r.bottom + 1};
    draw.Draw3DRect(frame, kRectSunken);
    draw.DrawPicture(fPictID, short(r.left), short(r.top));
}

long XGPicture::GetAccRole() const
{
    return ROLE_SYSTEM_GRAPHIC;
}
