#include "controls/XGStaticText.h"

#include <windows.h>
#include <oleacc.h>

#include "views/XGContrast.h"
#include "controls/XGControlFields.h"
#include "records/XGFieldReader.h"
#include "views/XGDraw.h"
#include "views/XGFont.h"
#include "views/XGPalette.h"
#include "controls/XGTextLines.h"
#include "foundation/XGUtf8.h"
#include <cstring>

XGStaticText::XGStaticText(XGView* parent, XGArgStream& stream) : XGView(parent, stream), fFont(nullptr)
{
    char text[256];
    XGFieldReader fields(stream, XGControlFields::gStaticText);
    fields.ReadString("text", text);
    short fontNumber = short(fields.ReadInteger("font"));
    fields.End();
    Init(text, fontNumber);
}

XGStaticText::~XGStaticText()
{
    if (fFont)
        fFont->Detach();
    fFont = nullptr;
}

void XGStaticText::Init(const char* text, short fontNumber)
{
    fFont = XGFont::LoadFont(fontNumber);
    fText = text;
}

// Callers read titles into 256-byte buffers, but SetTitle takes a text of
// any length.
void XGStaticText::GetTitle(char* out) const
{
    const char* text = fText.Get();
    // Cut where a character ends: half of one would read as another.
    size_t length = XGUtf8::FitBytes(text, std::strlen(text), kMaxTitle);
    std::memcpy(out, text, length);
    out[length] = '\0';
}

void XGStaticText::SetTitle(const char* title)
{
    fText = title;
    InvalView();
    NotifyAccEvent(EVENT_OBJECT_NAMECHANGE);
}

void XGStaticText::DoDrawView(tagRECT)
{
    XGDraw draw(this);
    tagRECT r = GetContentRect();
    if (!IsEnabled())
        draw.SetForeColor(kPaletteButtonShadow);
    else if (XGContrast::IsHigh())
        draw.SetForeColor(kPaletteButtonText);  // it stands on the button face
    if (fFont) {
        fFont->Attach();
        draw.SetFont(fFont, false);  // the context drops this reference when it ends
    }
    const short inset = ScaleUnits(1);
    DrawLines(draw, fText.Get(), short(r.left + inset), short(r.top), short(r.right - r.left - 2 * inset));
}

short XGStaticText::SkipSpace(const char* text, short index)
{
    return short(XGTextLines::SkipSpace(text, index));
}

short XGStaticText::NextWord(const char* text, short index)
{
    return short(XGTextLines::NextWord(text, index));
}

static int32_t MeasureInContext(void* context, const char* text, int32_t length)
{
    // StringWidthA works on fewer than 256 bytes, cut where a character ends.
    const size_t fits = XGUtf8::FitBytes(text, size_t(length > 0 ? length : 0), 255);
    return static_cast<XGDraw*>(context)->StringWidthA(text, short(fits));
}

short XGStaticText::CharWidth(XGDraw& draw, const char* text, short width)
{
    return short(XGTextLines::LineLength(text, width, MeasureInContext, &draw));
}

void XGStaticText::DrawLines(XGDraw& draw, const char* text, short x, short y, short width)
{
    short step = draw.GetFontHeight();
    long baseline = y + draw.GetFontAscent();
    for (;;) {
        short n = CharWidth(draw, text, width);
        draw.MoveTo(x, short(baseline));
        draw.DrawStringA(text, n);
        text += n;
        text += XGTextLines::SkipBreaks(text, 0);
        if (*text == 0)
            return;
        baseline += step;
    }
}

long XGStaticText::GetAccRole() const
{
    return ROLE_SYSTEM_STATICTEXT;
}

long XGStaticText::GetAccState() const
{
    return XGView::GetAccState() | STATE_SYSTEM_READONLY;
}
