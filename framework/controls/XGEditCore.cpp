#include "controls/XGEditCore.h"

#include <windows.h>

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <vector>

#include "views/XGDraw.h"
#include "views/XGFont.h"
#include "foundation/XGHandleLock.h"
#include "views/XGPalette.h"
#include "foundation/XGPostError.h"
#include "controls/XGDpiResources.h"
#include "controls/XGTabMeasure.h"
#include "controls/XGTextClusters.h"
#include "foundation/XGUtf8.h"
#include "dispatch/XGTime.h"
#include "views/XGView.h"

namespace {

const unsigned long kSelectFill = kPaletteSelection;
const unsigned long kSelectText = kPaletteSelectionText;
const short kShift = 0x0001;
const short kDoubleClick = 0x1000;
const short kCaptured = 0x2000;

long Min(long a, long b) { return a < b ? a : b; }

long Max(long a, long b) { return a > b ? a : b; }

}  // namespace

// Widths as sums of the font's character advances, read once per font
// through a drawing context and kept by the engine: a run measures what the
// context's StringWidth answers for it, without a call into the device.
// ASCII comes from the table; any other character is measured once in its
// UTF-16 form and kept. Without a host there is no font, and every
// character counts 8 pixels (a mark joining a cluster none).
class XGEditCore::Measure : public XGTabMeasure {
public:
    Measure(XGEditCore& core, XGDraw* draw)
        : Measure(core.CharWidths(draw), core.fWidthExtra, core.fTabWidth, core.fPassword)
    {
        fCore = &core;
        fDraw = draw;
    }

    int32_t TextWidth(const char* text, uint32_t length, int32_t startWidth) override
    {
        if (!fWidths) {
            int32_t x = startWidth;
            for (uint32_t i = 0; i < length; ++i) {
                if (StartsShown(text, length, i))
                    x = Clamp(int64_t(x) + 8);
            }
            return x;
        }
        return XGTabMeasure::TextWidth(text, length, startWidth);
    }

    void PrefixWidthsFrom(const char* text, uint32_t length, int32_t startWidth,
                          int32_t* widths) override
    {
        if (!fWidths) {
            int32_t x = startWidth;
            for (uint32_t i = 0; i < length; ++i) {
                if (StartsShown(text, length, i))
                    x = Clamp(int64_t(x) + 8);
                widths[i] = x;
            }
            return;
        }
        XGTabMeasure::PrefixWidthsFrom(text, length, startWidth, widths);
    }

    // Whether the byte at i starts a character that shows as one of its own
    // (a star when masked): not a continuation byte, a mark, a variation
    // selector, an emoji modifier or a joiner.
    static bool StartsShown(const char* text, uint32_t length, uint32_t i)
    {
        uint8_t byte = static_cast<uint8_t>(text[i]);
        if (byte < 0x80)
            return true;
        if (!XGUtf8::IsBoundary(text, length, i))
            return false;
        size_t n;
        char32_t c = XGUtf8::Decode(text, length, i, &n);
        return c != 0x200D && !XGTextClusters::IsExtend(c);
    }

protected:
    int32_t RunWidth(const char* text, uint32_t length, int32_t* partial) override
    {
        if (fMasked) {
            int32_t x = 0;
            for (uint32_t i = 0; i < length; ++i) {
                if (StartsShown(text, length, i))
                    x += fStarWidth;
                if (partial)
                    partial[i] = x;
            }
            return x;
        }
        int32_t x = fExtra;
        for (uint32_t i = 0; i < length;) {
            uint8_t byte = static_cast<uint8_t>(text[i]);
            if (byte < 0x80) {
                x += fWidths[byte];
                if (partial)
                    partial[i] = x;
                ++i;
                continue;
            }
            // A character's width counts from its last byte on.
            size_t n;
            char32_t c = XGUtf8::Decode(text, length, i, &n);
            if (partial) {
                for (size_t k = 0; k + 1 < n; ++k)
                    partial[i + k] = x;
            }
            x += fCore->WideWidth(c, fDraw);
            if (partial)
                partial[i + n - 1] = x;
            i += uint32_t(n);
        }
        return x;
    }

private:
    Measure(const int32_t* widths, int32_t extra, long tabChars, bool masked)
        : XGTabMeasure(widths ? int32_t((tabChars ? tabChars : 8) * (widths['m'] + extra)) : 1),
          fWidths(widths), fExtra(extra),
          fStarWidth(widths && masked ? widths['*'] + extra : 0), fMasked(masked),
          fCore(nullptr), fDraw(nullptr)
    {
    }

    const int32_t* fWidths;
    int32_t fExtra;
    int32_t fStarWidth;
    bool fMasked;
    XGEditCore* fCore;
    XGDraw* fDraw;
};

// Lends one drawing context to every step of an event, each of which would
// otherwise open its own (a round trip to the window system apiece); an
// event inside another keeps the outer one's.
class XGEditCore::EventDraw {
public:
    explicit EventDraw(XGEditCore& core)
        : fCore(core), fOwn(core.fEventDraw ? nullptr : core.OpenDraw())
    {
        if (fOwn)
            fCore.fEventDraw = fOwn.get();
    }
    ~EventDraw()
    {
        if (fOwn)
            fCore.fEventDraw = nullptr;
    }
    EventDraw(const EventDraw&) = delete;
    EventDraw& operator=(const EventDraw&) = delete;

private:
    XGEditCore& fCore;
    std::unique_ptr<XGDraw> fOwn;
};

// construction

XGEditCore::XGEditCore(XGView* view, XGFont* font, const tagRECT& frame)
    : fScrollPixels(true), fView(view), fFont(font), fFrame(frame), fText(nullptr),
      fBlinkTime(XGGetTime()), fTabWidth(8), fWordWrap(false), fCaretOn(false), fWordDrag(false),
      fFieldEditor(false), fPassword(false), fActive(false), fScrollH(0), fScrollV(0),
      fPixelStep(1), fSelStart(0), fSelEnd(0), fMaxScrollH(0), fDragAnchor(0), fDragPoint(0),
      fLineHeight(16), fAscent(12), fGoalPixel(-1), fMargin(2), fCaretWidth(1), fAtLineEnd(false),
      fCaretValid(true), fCaretV(0), fCaretH(-1), fSystemCaret(false), fSystemCaretAt{-1, -1},
      fTextColor(kPaletteBlack), fFillColor(kPaletteWhite),
      fWidthsKnown(false), fStaleFirst(-1), fStaleLast(-1), fWidthExtra(0), fWidthsFont(nullptr),
      fEventDraw(nullptr)
{
    // The widths change only with the font, and CharWidths tells the
    // engine when they do.
    fLineBreaks.KeepPixels(true);
    if (fFont)
        fFont->Attach();
    TakeMetrics();
}

void XGEditCore::TakeMetrics()
{
    if (fView) {
        XGDraw draw(fView, true);
        draw.SetFont(fFont, true);
        fLineHeight = draw.GetFontHeight();
        fAscent = draw.GetFontAscent();
        fMargin = fView->ScaleUnits(2);
        fCaretWidth = fView->ScaleUnits(1);
    }
    // A zero line height would divide by zero in every hit test.
    if (fLineHeight <= 0)
        fLineHeight = 1;
    if (fCaretWidth < 1)
        fCaretWidth = 1;
    fPixelStep = fLineHeight;
}

void XGEditCore::DoDpiChanged()
{
    // The whole window is drawn again at the new scale: the caret's
    // inversion is not undone, only forgotten.
    fCaretOn = false;
    fCaretValid = true;
    fCaretH = -1;
    const bool systemCaret = fSystemCaret;
    DestroySystemCaret();
    TakeMetrics();
    // Every width was measured with the old scale's font.
    fCharWidths.clear();
    fWideWidths.clear();
    fWidthsFont = nullptr;
    fWidthsKnown = false;
    fLineWidths.clear();
    fStaleFirst = fStaleLast = -1;
    fGoalPixel = -1;
    fLineBreaks.ForgetPixels();
    // The scroll values count steps, and a step is a line: the same line
    // stays at the top.
    RecalcLineStarts();
    if (systemCaret)
        CreateSystemCaret();
    Invalidate();
}

XGEditCore::~XGEditCore()
{
    DestroySystemCaret();
    if (fFont)
        fFont->Detach();
}

// The table is read again only when the font's handle changed; a context
// is opened for it when the caller has none.
const int32_t* XGEditCore::CharWidths(XGDraw* draw)
{
    if (!fView)
        return nullptr;
    if (!draw)
        draw = fEventDraw;
    HFONT__* font = XGDpiResources::FontFor(fView, fFont);
    if (fCharWidths.empty() || font != fWidthsFont) {
        std::unique_ptr<XGDraw> own(draw ? nullptr : OpenDraw());
        XGDraw& reader = draw ? *draw : *own;
        fCharWidths.resize(256);
        reader.GetCharWidths(fCharWidths.data(), &fWidthExtra);
        fWidthsFont = font;
        fWideWidths.clear();
        fLineBreaks.ForgetPixels();
    }
    return fCharWidths.data();
}

// Measured as the device measures the character alone in UTF-16, less the
// once-per-string overhang, and kept for the font.
int32_t XGEditCore::WideWidth(char32_t c, XGDraw* draw)
{
    auto known = fWideWidths.find(c);
    if (known != fWideWidths.end())
        return known->second;
    if (!draw)
        draw = fEventDraw;
    std::unique_ptr<XGDraw> own(draw ? nullptr : OpenDraw());
    XGDraw* reader = draw ? draw : own.get();
    int32_t width = 0;
    if (reader) {
        std::string bytes;
        XGUtf8::Append(bytes, c);
        std::u16string units = XGUtf8::ToUtf16(bytes);
        SIZE size = {0, 0};
        if (::GetTextExtentPoint32W(reader->GetDC(), reinterpret_cast<const wchar_t*>(units.c_str()),
                                    int(units.size()), &size))
            width = int32_t(size.cx) - fWidthExtra;
        if (width < 0)
            width = 0;
    }
    fWideWidths[c] = width;
    return width;
}

XGDraw* XGEditCore::UseDraw(std::unique_ptr<XGDraw>& own)
{
    if (fEventDraw)
        return fEventDraw;
    own.reset(OpenDraw());
    return own.get();
}

XGDraw* XGEditCore::OpenDraw()
{
    if (!fView)
        return nullptr;
    XGDraw* draw = new XGDraw(fView, true);
    draw->SetFont(fFont, true);
    return draw;
}

// A caret whose line straddles the frame's edge is inverted only inside the
// frame, as every other redraw clips it; an unclipped inversion would stay
// on the border once a clipped one removes the rest.
XGDraw* XGEditCore::OpenCaretDraw()
{
    XGDraw* draw = OpenDraw();
    if (draw)
        draw->ClipRect(&fFrame);
    return draw;
}

long XGEditCore::TextSize() const
{
    return fText ? long(fText->GetSize()) : 0;
}

long XGEditCore::LineTop(long line) const
{
    return line * fLineHeight - fScrollV * fPixelStep + fFrame.top;
}

long XGEditCore::Units(long units) const
{
    return fView ? long(fView->ScaleUnits(units)) : units;
}

// inset and the narrowest width are layout units.
long XGEditCore::WrapWidth(long inset) const
{
    long width = fFrame.right - fFrame.left - Units(inset);
    return width < Units(20) ? Units(20) : width;
}

void XGEditCore::Invalidate()
{
    if (fView)
        fView->InvalView(nullptr);
}

void XGEditCore::DrawTextA(XGDraw& draw, const char* text, unsigned long start, unsigned long end)
{
    if (!fPassword) {
        draw.TabDrawString(text, start, end, (unsigned short)fTabWidth, false);
        return;
    }
    // One star for each character shown as one (its marks and joiners give
    // none), tabs kept where they stand; measured alike by Measure.
    std::string stars;
    unsigned long shownStart = 0;
    for (unsigned long i = 0; i < end; ++i) {
        if (i == start)
            shownStart = (unsigned long)stars.size();
        if (text[i] == '\t')
            stars += '\t';
        else if (Measure::StartsShown(text, uint32_t(end), uint32_t(i)))
            stars += '*';
    }
    draw.TabDrawString(stars.c_str(), shownStart, (unsigned long)stars.size(),
                       (unsigned short)fTabWidth, false);
}

// configuration

void XGEditCore::SetText(XGHandle* text)
{
    fText = text;
    fLineBreaks.SetTextHandle(text);
    RecalcLineStarts();
    Invalidate();
}

void XGEditCore::DoSize(tagRECT frame)
{
    fFrame = frame;
    if (fWordWrap)
        RecalcLineStarts();
    Invalidate();
}

void XGEditCore::SetWordWrap(bool wrap)
{
    fWordWrap = wrap;
    ClearCursor();
    RecalcLineStarts();
    Invalidate();
}

void XGEditCore::SetPassword(bool password)
{
    fPassword = password;
    RecalcLineStarts();
    Invalidate();
}

void XGEditCore::SetFieldEditor(bool field)
{
    fFieldEditor = field;
    Invalidate();
}

void XGEditCore::RecalcLineStarts()
{
    if (!fText)
        return;
    fWidthsKnown = false;
    fStaleFirst = fStaleLast = -1;
    {
        Measure measure(*this, nullptr);
        fLineBreaks.RecalcLineStarts(fWordWrap, WrapWidth(4), &measure);
    }
    long size = TextSize();
    long start = fSelStart < 0 ? 0 : fSelStart;
    long end = fSelEnd > size ? size : fSelEnd;
    if (start > end)
        start = end;
    if (start != fSelStart || end != fSelEnd)
        SetSelect(start, end);
}

void XGEditCore::RecalcStarts(long start, long oldEnd, long inserted)
{
    Measure measure(*this, nullptr);
    fLineBreaks.RecalcStarts(start, oldEnd, inserted, fWordWrap, WrapWidth(10), &measure);
}

// queries

long XGEditCore::GetNumLines() const
{
    return fLineBreaks.GetNumLines();
}

long XGEditCore::GetLineOffset(long line) const
{
    return fLineBreaks.GetLineOffset(line);
}

long XGEditCore::GetLineLength(long line) const
{
    return fLineBreaks.GetLineLength(line);
}

long XGEditCore::FindLine(long offset) const
{
    return fLineBreaks.FindLine(offset);
}

long XGEditCore::FindPixel(long offset)
{
    Measure measure(*this, nullptr);
    return fLineBreaks.FindPixel(offset, fMargin, measure);
}

long XGEditCore::FindOffset(long line, long pixel)
{
    Measure measure(*this, nullptr);
    return fLineBreaks.FindOffset(line, pixel, fMargin, measure);
}

long XGEditCore::GetOffsetBeyond(Point where, bool* beyond)
{
    *beyond = false;
    if (!fText)
        return 0;
    long y = fScrollV * fPixelStep + where.v - fFrame.top;
    // Points above the first line belong to no line, not to line 0.
    long line = y < 0 ? -1 : y / fLineHeight;
    long x = fScrollH * fPixelStep + where.h - fFrame.left;
    Measure measure(*this, nullptr);
    return fLineBreaks.FindOffset(line, x, fMargin, measure, beyond);
}

long XGEditCore::GetOffset(Point where)
{
    bool beyond;
    return GetOffsetBeyond(where, &beyond);
}

long XGEditCore::GetMaxWidth()
{
    if (!fText)
        return 0;
    if (fWordWrap)
        return fFrame.right - fFrame.left;
    const long lines = GetNumLines();
    if (!fWidthsKnown || long(fLineWidths.size()) != lines) {
        fLineWidths.assign(size_t(lines), 0);
        fWidthsKnown = true;
        fStaleFirst = 0;
        fStaleLast = lines - 1;
    }
    if (fStaleFirst >= 0) {
        Measure measure(*this, nullptr);
        for (long line = Max(fStaleFirst, 0); line <= Min(fStaleLast, lines - 1); ++line)
            fLineWidths[size_t(line)] = fLineBreaks.LineWidth(int32_t(line), measure);
        fStaleFirst = fStaleLast = -1;
    }
    long widest = fLineWidths.empty() ? 0 : *std::max_element(fLineWidths.begin(), fLineWidths.end());
    return XGTextMeasure::Clamp(int64_t(fMargin) + Max(widest, 0));
}

void XGEditCore::NoteChangedLines(long first, long oldLast, long newLast)
{
    if (!fWidthsKnown)
        return;
    const long delta = newLast - oldLast;
    if (first < 0 || oldLast < first || newLast < first || oldLast >= long(fLineWidths.size())) {
        fWidthsKnown = false;
        return;
    }
    if (delta > 0)
        fLineWidths.insert(fLineWidths.begin() + (oldLast + 1), size_t(delta), 0);
    else if (delta < 0)
        fLineWidths.erase(fLineWidths.begin() + (first + 1), fLineWidths.begin() + (first + 1 - delta));
    if (fStaleFirst < 0) {
        fStaleFirst = first;
        fStaleLast = newLast;
        return;
    }
    // The lines still to measure, numbered as they are now: those after the
    // change moved by delta, those inside it are measured with it.
    long a = fStaleFirst > oldLast ? fStaleFirst + delta : Min(fStaleFirst, first);
    long b = fStaleLast > oldLast ? fStaleLast + delta : Max(fStaleLast, newLast);
    fStaleFirst = Min(a, first);
    fStaleLast = Max(b, newLast);
}

long XGEditCore::GetMaxHeight()
{
    if (!fText)
        return 0;
    return GetNumLines() * fLineHeight;
}

void XGEditCore::GetScrollValue(long* h, long* v) const
{
    if (h)
        *h = fScrollH;
    if (v)
        *v = fScrollV;
}

void XGEditCore::GetSelect(long* start, long* end) const
{
    if (start)
        *start = fSelStart;
    if (end)
        *end = fSelEnd;
}

bool XGEditCore::CanCut() const
{
    return fSelStart != fSelEnd && !fPassword;
}

bool XGEditCore::CanCopy() const
{
    return fSelStart != fSelEnd && !fPassword;
}

bool XGEditCore::CanDelete() const
{
    return fSelStart != fSelEnd;
}

// editing

void XGEditCore::DoInsert(long length, const char* chars)
{
    if (!fText)
        return;
    fGoalPixel = -1;
    if (length < 0 || !chars)
        length = 0;
    long first = FindLine(fSelStart);
    long last = FindLine(fSelEnd);
    long lines = GetNumLines();
    long aboveLength = first > 0 ? GetLineLength(first - 1) : 0;
    long start = fSelStart;
    long end = fSelEnd;

    fLineBreaks.Replace(start, end, chars, length);
    RecalcStarts(start, end, length);
    if (!fWordWrap)
        NoteChangedLines(first, last, FindLine(start + length));
    else
        fWidthsKnown = false;
    fAtLineEnd = false;
    if (fWordWrap && first > 0 && GetLineLength(first - 1) != aboveLength)
        --first;

    fSelStart = fSelEnd = start + length;
    // A base typed before a mark that stood alone takes it: the caret goes
    // past the cluster they now make, never inside it.
    if (fSelStart < TextSize() && length > 0) {
        XGHandleLock lock(*fText);
        const char* text = **fText;
        size_t size = size_t(TextSize());
        size_t floor = XGTextClusters::Floor(text, size, size_t(fSelStart));
        if (floor != size_t(fSelStart))
            fSelStart = fSelEnd = long(XGTextClusters::Next(text, size, floor));
    }
    EventDraw shared(*this);
    long caretLine = FindLine(fSelStart);
    if (caretLine == last && GetNumLines() == lines) {
        if (fWordWrap) {
            long size = TextSize();
            long lineEnd = fSelStart;
            while (lineEnd < size && fText->GetChar(uint32_t(lineEnd)) != '\n')
                ++lineEnd;
            last = FindLine(lineEnd);
        }
        DrawLines(first, last);
    } else {
        DrawLines(Min(first, caretLine), -1);
    }
    ScrollInRange(-1);
}

void XGEditCore::DoKey(char ch)
{
    if (!fText)
        return;
    if (ch == 0x08) {
        if (fSelStart == fSelEnd) {
            if (fSelStart == 0)
                return;
            XGHandleLock lock(*fText);
            fSelStart = long(XGTextClusters::Previous(**fText, size_t(TextSize()), size_t(fSelStart)));
        }
        DoDelete();
        return;
    }
    if (ch == '\r')
        ch = '\n';
    DoInsert(1, &ch);
}

void XGEditCore::DoCopy()
{
    if (fPassword || !fText)
        return;
    XGHandle selected(0, 0);
    {
        XGHandleLock lock(*fText);
        selected.Append(uint32_t(fSelEnd - fSelStart), **fText + fSelStart);
    }
    ToClipboard(selected);
}

void XGEditCore::DoCut()
{
    if (fPassword || !fText)
        return;
    DoCopy();
    DoDelete();
}

void XGEditCore::DoPaste()
{
    if (!fText)
        return;
    XGHandle pasted(0, 0);
    if (FromClipboard(pasted))
        DoInsert(long(pasted.GetSize()), *pasted);
}

void XGEditCore::DoSelectAll()
{
    if (!fText)
        return;
    SetSelect(0, TextSize());
}

void XGEditCore::ToClipboard(XGHandle& handle)
{
    // In UTF-16, which every program reads; the system offers the other
    // forms from it.
    std::u16string text;
    {
        XGHandleLock lock(handle);
        text = XGUtf8::ToUtf16(XGTextEngine::ToClipboardText(*handle, handle.GetSize()));
    }
    const size_t bytesNeeded = (text.size() + 1) * sizeof(char16_t);
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, bytesNeeded);
    char* bytes = block ? static_cast<char*>(::GlobalLock(block)) : nullptr;
    if (!bytes) {
        if (block)
            ::GlobalFree(block);
        throw XGPostError(kErrOutOfMemory);
    }
    memcpy(bytes, text.c_str(), bytesNeeded);
    ::GlobalUnlock(block);
    handle.SetSize(0);
    // Another program may hold the clipboard. A block the clipboard did not
    // take is still ours to free, and the error stops a cut before it
    // deletes text that went nowhere.
    if (!::OpenClipboard(nullptr)) {
        ::GlobalFree(block);
        throw XGPostError(kErrClipboard);
    }
    ::EmptyClipboard();
    const bool taken = ::SetClipboardData(CF_UNICODETEXT, block) != nullptr;
    if (!taken)
        ::GlobalFree(block);
    ::CloseClipboard();
    if (!taken)
        throw XGPostError(kErrClipboard);
}

bool XGEditCore::FromClipboard(XGHandle& handle)
{
    handle.SetSize(0);
    if (!::OpenClipboard(nullptr))
        return false;
    HANDLE data = ::GetClipboardData(CF_UNICODETEXT);
    const char16_t* units = data ? static_cast<const char16_t*>(::GlobalLock(data)) : nullptr;
    if (units) {
        // Up to the terminator, never past the block.
        size_t limit = ::GlobalSize(data) / sizeof(char16_t);
        size_t count = 0;
        while (count < limit && units[count] != 0)
            ++count;
        std::string text = XGUtf8::FromUtf16(units, count);
        ::GlobalUnlock(data);
        XGTextEngine::FromClipboardText(text.data(), uint32_t(text.size()), handle);
    }
    ::CloseClipboard();
    return true;
}

// selection

void XGEditCore::SetSelect(long start, long end)
{
    fGoalPixel = -1;
    SetSelectInternal(start, end);
}

void XGEditCore::ClampSelection(long* start, long* end) const
{
    long a = *start, b = *end;
    if (a > b) {
        long t = a;
        a = b;
        b = t;
    }
    long size = TextSize();
    if (a < 0)
        a = 0;
    if (b > size)
        b = size;
    if (b < a)
        a = b = 0;
    // Neither end falls inside a cluster: an offset there means its start.
    if (fText && (a < size || b < size)) {
        XGHandleLock lock(*fText);
        a = long(XGTextClusters::Floor(**fText, size_t(size), size_t(a)));
        b = long(XGTextClusters::Floor(**fText, size_t(size), size_t(b)));
    }
    *start = a;
    *end = b;
}

void XGEditCore::SetSelectInternal(long a, long b)
{
    ClampSelection(&a, &b);
    if (a == fSelStart && b == fSelEnd)
        return;
    if (!fView) {
        fSelStart = a;
        fSelEnd = b;
        return;
    }
    std::unique_ptr<XGDraw> own;
    XGDraw* draw = UseDraw(own);
    draw->ClipRect(&fFrame);
    HideCursor(*draw);
    long nf = FindLine(a), nl = FindLine(b);
    long of = FindLine(fSelStart), ol = FindLine(fSelEnd);
    long oldStart = fSelStart, oldEnd = fSelEnd;
    fSelStart = a;
    fSelEnd = b;
    for (long line = Min(nf, of); line <= Max(nl, ol); ++line) {
        bool isStart = line == nf || line == of;
        bool isEnd = line == nl || line == ol;
        bool inNew = line >= nf && line <= nl;
        bool inOld = line >= of && line <= ol;
        bool redraw = isStart && isEnd;
        if (isStart && !isEnd)
            redraw = a != oldStart;
        else if (isEnd && !isStart)
            redraw = b != oldEnd;
        else if (!isStart && !isEnd)
            redraw = inNew != inOld;
        if (redraw)
            DrawLine(*draw, line);
    }
    ShowCursor(*draw);
    draw->ClipRect(nullptr);
}

void XGEditCore::DragSelection(long* a, long* b)
{
    if (*a > *b) {
        long t = *a;
        *a = *b;
        *b = t;
    }
    if (fWordDrag)
        GetWordSelect(a, b);
}

void XGEditCore::SetDragSelect(long a, long b)
{
    DragSelection(&a, &b);
    SetSelect(a, b);
}

bool XGEditCore::IsWordBreak(long offset, const char* text)
{
    return XGTextEngine::IsWordBreakAt(text, int32_t(TextSize()), int32_t(offset));
}

void XGEditCore::GetWordSelect(long* start, long* end)
{
    if (!fText)
        return;
    long size = TextSize();
    if (*start < 0)
        *start = 0;
    if (*end > size)
        *end = size;
    XGHandleLock lock(*fText);
    const char* text = **fText;
    while (*start > 0 && !IsWordBreak(*start, text))
        *start = long(XGTextClusters::Previous(text, size_t(size), size_t(*start)));
    while (*end < size && !IsWordBreak(*end, text))
        *end = long(XGTextClusters::Next(text, size_t(size), size_t(*end)));
}

// caret keys

void XGEditCore::MoveCaret(long selStart, long selEnd, long scrollTo)
{
    EventDraw shared(*this);
    SetSelectInternal(selStart, selEnd);
    ScrollInRange(scrollTo);
}

bool XGEditCore::CollapseSelection(bool extend, bool toStart)
{
    if (extend || fSelStart == fSelEnd)
        return false;
    const long p = toStart ? fSelStart : fSelEnd;
    MoveCaret(p, p, p);
    return true;
}

void XGEditCore::DoLeftArrow(bool extend)
{
    if (!fText)
        return;
    fAtLineEnd = false;
    fGoalPixel = -1;
    if (CollapseSelection(extend, true))
        return;
    long p;
    {
        XGHandleLock lock(*fText);
        p = long(XGTextClusters::Previous(**fText, size_t(TextSize()), size_t(Max(fSelStart, 0))));
    }
    MoveCaret(p, extend ? fSelEnd : p, p);
}

void XGEditCore::DoRightArrow(bool extend)
{
    if (!fText)
        return;
    fAtLineEnd = false;
    fGoalPixel = -1;
    if (CollapseSelection(extend, false))
        return;
    long p;
    {
        XGHandleLock lock(*fText);
        p = long(XGTextClusters::Next(**fText, size_t(TextSize()), size_t(Max(fSelEnd, 0))));
    }
    MoveCaret(extend ? fSelStart : p, p, p);
}

void XGEditCore::DoUpArrow(bool extend)
{
    if (!fText)
        return;
    fAtLineEnd = false;
    if (fGoalPixel == -1)
        fGoalPixel = FindPixel(fSelStart);
    if (CollapseSelection(extend, true))
        return;
    long line = FindLine(fSelStart);
    long p;
    if (line == 0) {
        p = 0;
        fGoalPixel = -1;
    } else {
        p = FindOffset(line - 1, fGoalPixel);
    }
    MoveCaret(p, extend ? fSelEnd : p, p);
}

void XGEditCore::DoDownArrow(bool extend)
{
    if (!fText)
        return;
    fAtLineEnd = false;
    if (fGoalPixel == -1)
        fGoalPixel = FindPixel(fSelEnd);
    if (CollapseSelection(extend, false))
        return;
    long line = FindLine(fSelEnd);
    long p;
    if (line >= GetNumLines() - 1) {
        p = TextSize();
        fGoalPixel = -1;
    } else {
        p = FindOffset(line + 1, fGoalPixel);
    }
    long start = extend ? fSelStart : p;
    MoveCaret(start, p, start);
}

// caret

void XGEditCore::InvertCursor(XGDraw& draw)
{
    if (!fCaretValid || !fActive)
        return;
    if (fCaretH == -1) {
        long x, y;
        if (!LocateCaret(draw, &x, &y)) {
            fCaretValid = false;
            return;
        }
        fCaretH = short(x);
        fCaretV = short(y);
        PlaceSystemCaret(fCaretH, fCaretV);
    }
    tagRECT bar = {fCaretH - fCaretWidth, fCaretV, fCaretH, fCaretV + fLineHeight};
    draw.InvertRect(bar);
}

bool XGEditCore::LocateCaret(XGDraw& draw, long* caretH, long* caretV)
{
    if (fSelStart != fSelEnd || !fText)
        return false;
    Measure measure(*this, &draw);
    long line = FindLine(fSelStart);
    long x, y;
    if (fAtLineEnd && fWordWrap && line > 0 && fSelStart == GetLineOffset(line)
        && fText->GetChar(uint32_t(fSelStart - 1)) != '\n') {
        y = LineTop(line - 1);
        x = fLineBreaks.LineWidth(line - 1, measure) + fMargin - fScrollH * fPixelStep
            + fFrame.left;
    } else {
        y = LineTop(line);
        x = fLineBreaks.FindPixel(fSelStart, fMargin, measure) - fScrollH * fPixelStep
            + fFrame.left;
    }
    if (fWordWrap && x > fFrame.right - Units(2))
        x = fFrame.right - Units(2);
    if (x < fFrame.left || x >= fFrame.right || y + fLineHeight < fFrame.top
        || y >= fFrame.bottom)
        return false;
    *caretH = x;
    *caretV = y;
    return true;
}

// Screen readers and magnifiers follow the system's caret, not the pixels:
// a hidden one is kept on the drawn caret while the engine has the focus.
void XGEditCore::CreateSystemCaret()
{
    if (fSystemCaret || !fView || !fView->GetRootWindow())
        return;
    fSystemCaret = CreateCaret(fView->GetRootWindow(), nullptr, fCaretWidth, fLineHeight) != FALSE;
    fSystemCaretAt = Point{-1, -1};
    if (!fSystemCaret)
        return;
    // Placed at once, not at the drawn caret's first blink.
    std::unique_ptr<XGDraw> own;
    XGDraw* draw = UseDraw(own);
    long x, y;
    if (LocateCaret(*draw, &x, &y))
        PlaceSystemCaret(x, y);
}

void XGEditCore::DestroySystemCaret()
{
    if (!fSystemCaret)
        return;
    fSystemCaret = false;
    DestroyCaret();
}

void XGEditCore::PlaceSystemCaret(long caretH, long caretV)
{
    if (!fSystemCaret || !fView)
        return;
    Point at = {static_cast<int16_t>(caretV), static_cast<int16_t>(caretH - fCaretWidth)};
    fView->ViewToGlobal(&at);
    // Each move is a trip to the window server; most keys move it, a blink does not.
    if (at.h == fSystemCaretAt.h && at.v == fSystemCaretAt.v)
        return;
    fSystemCaretAt = at;
    SetCaretPos(at.h, at.v);
}

void XGEditCore::ShowCursor(XGDraw& draw)
{
    if (!fCaretOn) {
        fCaretOn = true;
        InvertCursor(draw);
    }
}

// Only a caret with a position was ever drawn; inverting one without would
// leave a bar behind.
void XGEditCore::HideCursor(XGDraw& draw)
{
    if (fCaretOn) {
        fCaretOn = false;
        if (fCaretValid && fCaretH != -1)
            InvertCursor(draw);
    }
    fCaretValid = true;
    fCaretH = -1;
}

void XGEditCore::ClearCursor()
{
    if (!fView) {
        fCaretOn = false;
        fCaretValid = true;
        fCaretH = -1;
        return;
    }
    std::unique_ptr<XGDraw> own;
    XGDraw* draw = UseDraw(own);
    draw->ClipRect(&fFrame);
    HideCursor(*draw);
}

void XGEditCore::DoIdle()
{
    unsigned long now = XGGetTime();
    if (now - fBlinkTime < XGGetCursorBlink())
        return;
    fBlinkTime = now;
    fCaretOn = !fCaretOn;
    if (!fCaretValid || !fView)
        return;
    // Going off, only a drawn caret is removed.
    if (!fCaretOn && fCaretH == -1)
        return;
    std::unique_ptr<XGDraw> draw(OpenCaretDraw());
    InvertCursor(*draw);
}

// mouse

bool XGEditCore::DoMouseDown(Point where, short modifiers)
{
    if (fView)
        fView->SetFocus();
    fWordDrag = false;
    bool beyond = false;
    long o = GetOffsetBeyond(where, &beyond);
    const bool wasAtLineEnd = fAtLineEnd;
    fAtLineEnd = beyond;
    long anchor = o;
    if (modifiers & kDoubleClick) {
        fWordDrag = true;
    } else if (modifiers & kShift) {
        anchor = o < fSelStart ? fSelEnd : fSelStart;
    }
    fDragAnchor = anchor;
    fDragPoint = o;
    long a = anchor, b = o;
    DragSelection(&a, &b);
    ClampSelection(&a, &b);
    // A click that selects what is selected, with the caret on the same side
    // of a wrap, leaves every pixel as it is: the drawing context and the
    // caret's blink are not worth a trip to the window server.
    if (a == fSelStart && b == fSelEnd && fAtLineEnd == wasAtLineEnd && fCaretValid) {
        fGoalPixel = -1;
    } else {
        EventDraw shared(*this);
        ClearCursor();
        SetSelect(a, b);
    }
    fMaxScrollH = XGTextEngine::DivUp(int32_t(GetMaxWidth() - (fFrame.right - fFrame.left)),
                                      int32_t(fPixelStep));
    return true;
}

void XGEditCore::DoMouseMove(Point where, short modifiers)
{
    if (!(modifiers & kCaptured))
        return;
    long o = GetOffset(where);
    if (o == fDragPoint)
        return;
    fDragPoint = o;
    SetDragSelect(fDragAnchor, o);
    long h = fScrollH, v = fScrollV;
    if (where.h < fFrame.left && h > 0)
        --h;
    else if (where.h >= fFrame.right && h < fMaxScrollH)
        ++h;
    long maxV = XGTextEngine::DivUp(int32_t(GetMaxHeight() - (fFrame.bottom - fFrame.top)),
                                    int32_t(fPixelStep));
    if (where.v < fFrame.top && v > 0)
        --v;
    else if (where.v >= fFrame.bottom && v < maxV)
        ++v;
    SetScrollValue(h, v);
}

void XGEditCore::DoMouseUp(Point where, short modifiers)
{
    if (!(modifiers & kCaptured))
        return;
    long o = GetOffset(where);
    if (o == fDragPoint)
        return;
    fDragPoint = o;
    SetDragSelect(fDragAnchor, o);
}

// focus

void XGEditCore::DoActivate(bool active)
{
    if (!fView || !fView->HasFocus())
        return;
    if (!active) {
        DoLoseFocus(true);
    } else {
        fActive = true;
        CreateSystemCaret();
        Invalidate();
    }
}

void XGEditCore::DoGainFocus(bool invalidate)
{
    fActive = true;
    CreateSystemCaret();
    if (fFieldEditor)
        SetSelect(0, 0x7FFFFFFF);
    if (invalidate)
        Invalidate();
}

void XGEditCore::DoLoseFocus(bool invalidate)
{
    // The caret goes while the engine can still draw it.
    ClearCursor();
    fActive = false;
    DestroySystemCaret();
    if (invalidate)
        Invalidate();
}

// scrolling

void XGEditCore::SetScrollValue(long h, long v)
{
    if (h == fScrollH && v == fScrollV)
        return;
    ClearCursor();
    if (fScrollPixels && fView)
        fView->ScrollView((fScrollH - h) * fPixelStep, (fScrollV - v) * fPixelStep, &fFrame);
    fScrollH = h;
    fScrollV = v;
}

long XGEditCore::ScreenX(long offset)
{
    return XGTextMeasure::Clamp(int64_t(FindPixel(offset)) - int64_t(fScrollH) * fPixelStep + fFrame.left);
}

void XGEditCore::ScrollInRange(long offset)
{
    if (!fText)
        return;
    long h = fScrollH;
    long top, bottom;
    if (offset == -1) {
        long l1 = FindLine(fSelStart), l2 = FindLine(fSelEnd);
        if (l1 == l2) {
            long x1 = ScreenX(fSelStart), x2 = ScreenX(fSelEnd);
            if (x2 > fFrame.right) {
                long k = XGTextEngine::DivUp(int32_t(x2 - fFrame.right), int32_t(fPixelStep));
                h += k;
                x1 -= k * fPixelStep;
            }
            if (x1 < fFrame.left)
                h -= XGTextEngine::DivUp(int32_t(fFrame.left - x1), int32_t(fPixelStep));
        } else {
            h = 0;
        }
        top = LineTop(l1);
        bottom = LineTop(l2) + fLineHeight;
    } else {
        long line = FindLine(fSelStart);
        top = LineTop(line);
        bottom = top + fLineHeight;
        long x = ScreenX(offset);
        if (x > fFrame.right)
            h += XGTextEngine::DivUp(int32_t(x - fFrame.right), int32_t(fPixelStep));
        else if (x < fFrame.left)
            h -= XGTextEngine::DivUp(int32_t(fFrame.left - x), int32_t(fPixelStep));
    }
    long v = fScrollV;
    if (bottom > fFrame.bottom) {
        long k = XGTextEngine::DivUp(int32_t(bottom - fFrame.bottom), int32_t(fPixelStep));
        v += k;
        top -= k * fPixelStep;
    }
    if (top < fFrame.top)
        v -= XGTextEngine::DivUp(int32_t(fFrame.top - top), int32_t(fPixelStep));
    if (fWordWrap)
        h = 0;
    SetScrollValue(h, v);
}

// drawing

void XGEditCore::DoDraw(XGDraw& draw, tagRECT area)
{
    draw.SetFont(fFont, true);
    tagRECT clip;
    if (!RectMath::SectRectLong(&area, &fFrame, &clip))
        return;
    draw.ClipRect(&clip);
    long lines = fText ? GetNumLines() : 0;
    long scroll = fScrollV * fPixelStep - fFrame.top;
    long first = (scroll + area.top) / fLineHeight;
    if (first < 0)
        first = 0;
    long end = Min(XGTextEngine::DivUp(int32_t(scroll + area.bottom), fLineHeight), lines);
    for (long line = first; line < end; ++line)
        DrawLine(draw, line);
    long below = Max(LineTop(lines), area.top);
    if (below < area.bottom)
        draw.FillRect(tagRECT{area.left, int32_t(below), area.right, area.bottom}, fFillColor);
    // The paint wiped the caret's pixels inside the area; drawing it again
    // there keeps the blink phase true to the screen.
    if (fCaretOn && fCaretValid && fActive && fCaretH != -1)
        InvertCursor(draw);
    draw.ClipRect(nullptr);
}

void XGEditCore::DrawLines(long first, long last)
{
    if (!fText || !fView)
        return;
    long lines = GetNumLines();
    long firstVisible = (fScrollV * fPixelStep) / fLineHeight;
    long lastVisible = XGTextEngine::DivUp(
                           int32_t(fScrollV * fPixelStep + fFrame.bottom - fFrame.top), fLineHeight) - 1;
    long from = Max(first, firstVisible);
    long to = (last == -1 || last > lastVisible) ? lastVisible : last;
    to = Min(to, lines - 1);
    std::unique_ptr<XGDraw> own;
    XGDraw* draw = UseDraw(own);
    draw->ClipRect(&fFrame);
    HideCursor(*draw);
    for (long line = from; line <= to; ++line)
        DrawLine(*draw, line);
    if (last == -1) {
        long below = Max(LineTop(lines), fFrame.top);
        if (below < fFrame.bottom)
            draw->FillRect(tagRECT{fFrame.left, int32_t(below), fFrame.right, fFrame.bottom},
                           fFillColor);
    }
    ShowCursor(*draw);
    draw->ClipRect(nullptr);
}

// The pen takes 16-bit coordinates, and a line may be far wider: only the
// characters from the first one reaching into the frame to the piece that
// reaches its right edge are drawn, the pen starting at the first of them.
void XGEditCore::VisibleRun(XGDraw& draw, const char* text, unsigned long length,
                            unsigned long* from, unsigned long* to, long* x)
{
    Measure measure(*this, &draw);
    const long origin = fFrame.left - fScrollH * fPixelStep + fMargin;
    unsigned long start = 0;
    long width = 0;
    if (origin < fFrame.left) {
        // Whole pieces while they end left of the frame, then clusters.
        for (bool pieces : {true, false}) {
            while (start < length) {
                unsigned long n = pieces
                    ? XGTextMeasure::PieceLength(text + start, uint32_t(length - start))
                    : (unsigned long)(XGTextClusters::Next(text, length, start) - start);
                long after = measure.TextWidth(text + start, uint32_t(n), int32_t(width));
                if (origin + after > fFrame.left)
                    break;
                width = after;
                start += n;
            }
        }
    }
    unsigned long end = start;
    long reach = origin + width;
    while (end < length && reach < fFrame.right) {
        unsigned long n = XGTextMeasure::PieceLength(text + end, uint32_t(length - end));
        reach = origin + measure.TextWidth(text + end, uint32_t(n), int32_t(reach - origin));
        end += n;
    }
    *from = start;
    *to = end;
    *x = origin + width;
}

void XGEditCore::DrawLine(XGDraw& draw, long line)
{
    if (line < 0 || !fText)
        return;
    long top = LineTop(line);
    if (top >= fFrame.bottom || top + fLineHeight <= fFrame.top)
        return;
    tagRECT band = {fFrame.left, int32_t(top), fFrame.right, int32_t(top + fLineHeight)};
    draw.FillRect(band, fFillColor);
    long s = GetLineOffset(line);
    long e = s + GetLineLength(line);

    long left = fFrame.left, right = fFrame.right;
    bool highlight = false;
    if (fActive && fSelStart != fSelEnd && s < fSelEnd && fSelStart <= e) {
        if (s < fSelStart)
            left = Max(ScreenX(fSelStart), fFrame.left);
        if (fSelEnd <= e)
            right = Min(ScreenX(fSelEnd), fFrame.right);
        if (fFieldEditor && GetNumLines() == 1 && fSelEnd == TextSize())
            right = fFrame.right;
        highlight = left < right;
    }

    XGHandleLock lock(*fText);
    const char* text = **fText + s;
    unsigned long from = 0, to = 0;
    long x = 0;
    if (s < e)
        VisibleRun(draw, text, (unsigned long)(e - s), &from, &to, &x);
    if (from < to) {
        draw.SetForeColor(fTextColor);
        draw.SetBackColor(fFillColor);
        draw.MoveTo(short(x), short(top + fAscent));
        DrawTextA(draw, text, from, to);
    }
    if (highlight) {
        tagRECT lit = {int32_t(left), band.top, int32_t(right), band.bottom};
        RectMath::SectRectLong(&lit, &fFrame, &lit);
        draw.ClipRect(&lit);
        draw.FillRect(lit, kSelectFill);
        if (from < to) {
            draw.SetForeColor(kSelectText);
            draw.SetBackColor(kSelectFill);
            draw.MoveTo(short(x), short(top + fAscent));
            DrawTextA(draw, text, from, to);
        }
        draw.ClipRect(&fFrame);
        draw.SetForeColor(fTextColor);
        draw.SetBackColor(fFillColor);
    }
}
