#include "controls/XGPicture.h"

#include <windows.h>
#include <oleacc.h>

#include "controls/XGControlFields.h"
#include "records/XGFieldReader.h"
#include "foundation/XGResBitmap.h"
#include "views/XGDpiScale.h"
#include "views/XGDraw.h"
#include "views/XGPalette.h"

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

tagRECT XGPicture::GetPictureRect() const
{
    return CenteredBand(GetContentRect(), ScaleUnits(fWidth), ScaleUnits(fHeight));
}

void XGPicture::DoDrawView(tagRECT area)
{
    XGDraw draw(this);
    draw.Draw3DRect(area, kRectFaceFill);
    tagRECT r = GetPictureRect();
    tagRECT frame = {r.left - 1, r.top - 1, r.right + 1, r.bottom + 1};
    draw.Draw3DRect(frame, kRectSunken);
    if (GetDpi() == XGDpiScale::kBaseDpi) {
        draw.DrawPicture(fPictID, short(r.left), short(r.top));
        return;
    }
    DrawScaled(draw, r);
}

// A bitmap resource holds one size: it is drawn at its layout size into a
// bitmap of its own, on the face colour, and that is stretched (halftoned)
// onto the scaled rectangle.
void XGPicture::DrawScaled(XGDraw& draw, const tagRECT& r)
{
    const int width = r.right - r.left, height = r.bottom - r.top;
    if (width <= 0 || height <= 0)
        return;
    const int dpi = GetDpi();
    const int unitsWide = int(XGDpiScale::Rescale(width, dpi, XGDpiScale::kBaseDpi));
    const int unitsHigh = int(XGDpiScale::Rescale(height, dpi, XGDpiScale::kBaseDpi));
    if (unitsWide <= 0 || unitsHigh <= 0)
        return;
    HDC screen = draw.GetDC();
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = memory ? ::CreateCompatibleBitmap(screen, unitsWide, unitsHigh) : nullptr;
    if (bitmap) {
        HGDIOBJ old = ::SelectObject(memory, bitmap);
        const RECT all = {0, 0, unitsWide, unitsHigh};
        HBRUSH face = ::CreateSolidBrush(XGDraw::ColorFromPalette(kPaletteButtonFace));
        ::FillRect(memory, &all, face);
        ::DeleteObject(face);
        DrawResBitmap(memory, fPictID, 0, 0);
        const int oldMode = ::SetStretchBltMode(screen, HALFTONE);
        POINT origin;
        ::SetBrushOrgEx(screen, 0, 0, &origin);
        ::StretchBlt(screen, r.left, r.top, width, height, memory, 0, 0, unitsWide, unitsHigh, SRCCOPY);
        ::SetBrushOrgEx(screen, origin.x, origin.y, nullptr);
        ::SetStretchBltMode(screen, oldMode);
        ::SelectObject(memory, old);
        ::DeleteObject(bitmap);
    }
    if (memory)
        ::DeleteDC(memory);
}

long XGPicture::GetAccRole() const
{
    return ROLE_SYSTEM_GRAPHIC;
}
