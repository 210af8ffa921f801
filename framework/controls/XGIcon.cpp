#include "controls/XGIcon.h"

#include <windows.h>
#include <oleacc.h>

#include "controls/XGControlFields.h"
#include "records/XGFieldReader.h"
#include "controls/XGDpiResources.h"
#include "views/XGDpiScale.h"
#include "views/XGDraw.h"
#include "controls/XGPicture.h"

XGIcon::XGIcon(XGView* parent, XGArgStream& stream)
    : XGView(parent, stream), fWidth(0), fHeight(0), fIconID(0)
{
    XGFieldReader fields(stream, XGControlFields::gIcon);
    fIconID = short(fields.ReadInteger("icon"));
    fWidth = short(fields.ReadInteger("size"));
    fHeight = short(fields.ReadInteger("size"));
    fields.End();
}

XGIcon::~XGIcon() = default;

void XGIcon::DoDrawView(tagRECT area)
{
    XGDraw draw(this);
    draw.Draw3DRect(area, kRectFaceFill);
    tagRECT r = XGPicture::CenteredBand(GetContentRect(), ScaleUnits(fWidth), ScaleUnits(fHeight));
    tagRECT frame = {r.left - 1, r.top - 1, r.right + 1, r.bottom + 1};
    draw.Draw3DRect(frame, kRectSunken);
    // At 96 DPI the icon keeps the resource's own size; at other scales it
    // is made at its size (the band's, or the system's 32) scaled.
    const int size = GetDpi() == XGDpiScale::kBaseDpi ? 0 : ScaleUnits(fWidth > 0 ? fWidth : 32);
    XGDpiResources::DrawIcon(draw, fIconID, int(r.left), int(r.top), size, true);
}

long XGIcon::GetAccRole() const
{
    return ROLE_SYSTEM_GRAPHIC;
}
