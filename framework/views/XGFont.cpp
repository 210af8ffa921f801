#include "views/XGFont.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "foundation/XGAssert.h"
#include "foundation/XGUtf8.h"
#include "foundation/XGWide.h"
#include "views/XGDpiScale.h"
#include "views/XGDraw.h"

XGPDynArray<XGFont> XGFont::gFontArray;

namespace {

struct BuiltInFont {
    const char* face;
    short size;
    short flags;
};

const BuiltInFont kBuiltInFonts[] = {
    {"Arial", 9, XGFont::kBold},
    {"Arial", 8, 0},
    {"Courier New", 8, 0},
};

}  // namespace

XGFont::XGFont()
    : fAttach(1), fFontResID(-1), fFontFlags(0), fFontSize(9), fFontName(), fFontHandle(nullptr),
      fScaled(), fNextScaled(0)
{
    gFontArray += this;
}

XGFont::~XGFont() noexcept(false)
{
    // The storage goes whether or not the check below fails, so the registry
    // must not keep pointing at it.
    for (long i = 0; i < gFontArray.Length(); ++i) {
        if (gFontArray[i] == this) {
            gFontArray.Delete(i);
            break;
        }
    }
    DeleteHandle();
    XG_ASSERT(fAttach <= 0, "XGFont", 122);
}

XGFont* XGFont::LoadFont(short number)
{
    if (number < 0 || number >= short(sizeof(kBuiltInFonts) / sizeof(kBuiltInFonts[0])))
        return nullptr;
    const BuiltInFont& row = kBuiltInFonts[number];
    XGFont* font = new XGFont;
    font->SetFontName(row.face);
    font->SetFontSize(row.size);
    font->SetFontFlags(row.flags);
    font->fFontResID = number;
    return font;
}

void XGFont::Attach()
{
    ++fAttach;
}

void XGFont::Detach()
{
    --fAttach;
    if (fAttach < 1)
        delete this;
}

void XGFont::SetFontFlags(short flags)
{
    if (!IsChangeable())
        return;
    DeleteHandle();
    fFontFlags = flags;
    fFontResID = -1;
}

void XGFont::SetFontName(const char* name)
{
    if (!IsChangeable())
        return;
    DeleteHandle();
    XGUtf8::CopyFitting(name ? name : "", fFontName, sizeof fFontName);
    fFontResID = -1;
}

void XGFont::SetFontSize(short size)
{
    if (!IsChangeable())
        return;
    DeleteHandle();
    fFontSize = size;
    fFontResID = -1;
}

HFONT__* XGFont::GetFont(HDC__* dc)
{
    if (fFontHandle)
        return fFontHandle;
    HDC device = dc;
    if (!device)
        device = ::CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr);
    fFontHandle = MakeFont(::GetDeviceCaps(device, LOGPIXELSY));
    if (!dc)
        ::DeleteDC(device);
    return fFontHandle;
}

HFONT__* XGFont::GetFontForDpi(int dpi)
{
    dpi = XGDpiScale::ClampDpi(dpi);
    for (const ScaledFont& scaled : fScaled) {
        if (scaled.handle && scaled.dpi == dpi)
            return scaled.handle;
    }
    // The oldest goes when all are taken, but not while a drawing context
    // has this font selected (it may be drawing with that very handle):
    // then the nearest kept scale serves until the context ends.
    ScaledFont& slot = fScaled[fNextScaled];
    if (slot.handle && XGDraw::IsFontInUse(this)) {
        const ScaledFont* nearest = &fScaled[0];
        for (const ScaledFont& scaled : fScaled) {
            if (std::abs(scaled.dpi - dpi) < std::abs(nearest->dpi - dpi))
                nearest = &scaled;
        }
        return nearest->handle;
    }
    if (slot.handle)
        ::DeleteObject(slot.handle);
    slot.dpi = dpi;
    slot.handle = MakeFont(dpi);
    fNextScaled = (fNextScaled + 1) % kScaledFonts;
    return slot.handle;
}

HFONT__* XGFont::MakeFont(int pixelsPerInch) const
{
    int height = -(fFontSize * pixelsPerInch / 72);
    int weight = (fFontFlags & kBold) ? 700 : 400;
    BYTE pitch = (fFontFlags & kFixedPitch) ? FIXED_PITCH : VARIABLE_PITCH;
    BYTE family = (fFontFlags & kRoman) ? FF_ROMAN : FF_SWISS;
    LOGFONTW logFont = {};
    logFont.lfHeight = height;
    logFont.lfWeight = weight;
    logFont.lfItalic = (fFontFlags & kItalic) ? TRUE : FALSE;
    logFont.lfUnderline = (fFontFlags & kUnderline) ? TRUE : FALSE;
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfOutPrecision = OUT_DEFAULT_PRECIS;
    logFont.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    logFont.lfQuality = DEFAULT_QUALITY;
    logFont.lfPitchAndFamily = BYTE(pitch | family);
    const XGWide face(fFontName);
    const size_t faceUnits = size_t(face.Length()) < LF_FACESIZE - 1 ? size_t(face.Length()) : LF_FACESIZE - 1;
    std::memcpy(logFont.lfFaceName, face.Get(), faceUnits * sizeof(wchar_t));
    return ::CreateFontIndirectW(&logFont);
}

// A context may draw with the font on a reference handed over to it, which
// leaves the count at 1; its handle must stay while it is selected there.
bool XGFont::IsChangeable() const
{
    return fAttach == 1 && !XGDraw::IsFontInUse(this);
}

void XGFont::DeleteHandle()
{
    if (fFontHandle) {
        ::DeleteObject(fFontHandle);
        fFontHandle = nullptr;
    }
    for (ScaledFont& scaled : fScaled) {
        if (scaled.handle)
            ::DeleteObject(scaled.handle);
        scaled.handle = nullptr;
        scaled.dpi = 0;
    }
    fNextScaled = 0;
}
