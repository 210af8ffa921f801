#include "controls/XGTextEngine.h"

#include <cstring>
#include <vector>

#include "controls/XGTextClusters.h"
#include "foundation/XGHandleLock.h"
#include "foundation/XGPostError.h"
#include "foundation/XGUtf8.h"

uint32_t XGTextMeasure::PieceLength(const char* text, uint32_t length)
{
    if (length <= kPiece)
        return length;
    // A byte that is no continuation byte always starts a character.
    if ((static_cast<uint8_t>(text[kPiece]) & 0xC0) != 0x80)
        return kPiece;
    size_t start = XGUtf8::Previous(text, length, kPiece);
    if (XGUtf8::Next(text, length, start) == kPiece || start == 0)
        return kPiece;
    return uint32_t(start);
}

XGTextEngine::XGTextEngine()
    : fText(nullptr), fLineBreaks(0, 64), fMaxTextSize(kMaxTextSize), fKeepPixels(false), fPixelOffset(-1),
      fPixelLineStart(0), fPixelMargin(0), fPixel(0), fHitLine(-1), fHitX(0), fHitMargin(0), fHitLineStart(0),
      fHitOffset(0), fHitBeyond(false)
{
}

XGTextEngine::~XGTextEngine() {}

bool XGTextEngine::IsWhite(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

bool XGTextEngine::IsAlnum(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

int32_t XGTextEngine::DivUp(int32_t a, int32_t b)
{
    if (b <= 0)
        return 0;
    if (a > 0)
        return int32_t((int64_t(a) + b - 1) / b);
    return a / b;
}

void XGTextEngine::AppendBreak(XGHandle& table, int32_t offset)
{
    table.Append(sizeof offset, &offset);
}

int32_t XGTextEngine::GetBreak(int32_t index) const
{
    int32_t value = 0;
    if (index >= 0 && index < GetBreakCount())
        memcpy(&value, *fLineBreaks + index * 4, sizeof value);
    return value;
}

// line arithmetic

int32_t XGTextEngine::GetNumLines() const
{
    return GetBreakCount() + 1;
}

int32_t XGTextEngine::GetLineOffset(int32_t line) const
{
    if (line <= 0)
        return 0;
    if (line >= GetNumLines())
        return GetTextSize();
    int32_t start = GetBreak(line - 1) + 1;
    int32_t size = GetTextSize();
    return start < size ? start : size;
}

int32_t XGTextEngine::GetLineLength(int32_t line) const
{
    if (line < 0 || line >= GetNumLines() || !fText)
        return 0;
    int32_t start = GetLineOffset(line);
    if (line == GetNumLines() - 1)
        return GetTextSize() - start;
    int32_t next = GetLineOffset(line + 1);
    int32_t length = next - start;
    if (next > 0 && next <= GetTextSize() && fText->GetChar(uint32_t(next - 1)) == '\n')
        --length;
    return length > 0 ? length : 0;
}

int32_t XGTextEngine::FindLine(int32_t offset) const
{
    // Line k (k >= 1) starts at entry k-1 plus one, so the line holding an
    // offset is the number of entries below it; the table is ascending.
    int32_t low = 0;
    int32_t high = GetBreakCount();
    while (low < high) {
        int32_t mid = low + (high - low) / 2;
        if (GetBreak(mid) < offset)
            low = mid + 1;
        else
            high = mid;
    }
    return low;
}

// layout

int32_t XGTextEngine::LayoutPass(const char* text, int32_t size, int32_t from, int32_t lineStart,
                                 int32_t to, int32_t stopAfterBreak, bool wrap, int32_t wrapWidth,
                                 XGTextMeasure* measure, XGHandle& table) const
{
    int32_t s = lineStart;
    int32_t i = from;
    wrap = wrap && measure;
    // The growing line's prefix widths, measured once from its start over a
    // stretch that doubles when the line outgrows it; measuring each prefix
    // afresh made a long line cost the square of its length.
    std::vector<int32_t> widths;
    int32_t measuredFrom = -1;
    auto widthTo = [&](int32_t end) {
        int32_t length = end - s;
        if (measuredFrom != s || length > int32_t(widths.size())) {
            int64_t want = length < 128 ? 256 : 2 * int64_t(length);
            int32_t count = want < size - s ? int32_t(want) : size - s;
            const void* feed = memchr(text + s, '\n', size_t(count));
            if (feed)
                count = int32_t(static_cast<const char*>(feed) - (text + s));
            if (length > count)
                return measure->TextWidth(text + s, uint32_t(length), 0);
            widths.resize(size_t(count));
            measure->PrefixWidths(text + s, uint32_t(count), widths.data());
            measuredFrom = s;
        }
        return widths[size_t(length - 1)];
    };
    // Wrapping moves by clusters: a line ends only where one does. A white
    // space byte followed by a mark is no place to break.
    auto next = [&](int32_t at) { return int32_t(XGTextClusters::Next(text, size_t(size), size_t(at))); };
    auto breakable = [&](int32_t at) {
        return IsWhite(text[at])
               && (at + 1 >= size || static_cast<uint8_t>(text[at + 1]) < 0x80
                   || XGTextClusters::IsBoundary(text, size_t(size), size_t(at + 1)));
    };
    while (i < size && (stopAfterBreak >= 0 || i < to)) {
        if (text[i] == '\n') {
            AppendBreak(table, i);
            s = i + 1;
            if (stopAfterBreak >= 0 && i >= stopAfterBreak)
                return i + 1;
        } else if (wrap) {
            int32_t after = next(i);
            int32_t e = after;
            while (e > s && IsWhite(text[e - 1]))
                --e;
            if (e > s && widthTo(e) > wrapWidth) {
                int32_t b = e - 1;
                while (b >= s && !breakable(b))
                    --b;
                if (b <= s)
                    b = e - 1;
                // A single character wider than the line keeps the next one
                // with it. That one is not read yet (it may be a line feed or
                // the text end), so the break waits for the next step, which
                // puts it there unless a line feed or the end comes first.
                int32_t firstEnd = next(s);
                if (b < firstEnd && i <= s) {
                    i = after;
                    continue;
                }
                if (b < firstEnd)
                    b = next(firstEnd) - 1;
                AppendBreak(table, b);
                s = b + 1;
                // What moved down may still be too wide: measure it now, or
                // it would stay wider than the line until the next character
                // and an edit's layout would differ from a full one.
                if (b < i)
                    continue;
            }
            i = after;
            continue;
        }
        ++i;
    }
    return i;
}

void XGTextEngine::RecalcLineStarts(bool wrap, int32_t wrapWidth, XGTextMeasure* measure)
{
    if (!fText)
        return;
    XGHandle table(0, 64);
    {
        XGHandleLock lock(*fText);
        LayoutPass(**fText, GetTextSize(), 0, 0, GetTextSize(), -1, wrap, wrapWidth, measure, table);
    }
    fLineBreaks = table;
    ForgetPixels();
}

void XGTextEngine::RecalcStarts(int32_t start, int32_t oldEnd, int32_t inserted, bool wrap,
                                int32_t wrapWidth, XGTextMeasure* measure)
{
    if (!fText)
        return;
    int32_t size = GetTextSize();
    int32_t s = start < 0 ? 0 : start;
    int32_t e = oldEnd < s ? s : oldEnd;
    int32_t n = inserted < 0 ? 0 : inserted;
    if (s + n > size)
        n = s > size ? 0 : size - s;
    if (s > size)
        s = size;
    wrap = wrap && measure;

    XGHandle temp(0, 64);
    int32_t stop;
    {
        XGHandleLock lock(*fText);
        const char* text = **fText;
        if (wrap) {
            int32_t line = FindLine(s);
            int32_t lineStart = GetLineOffset(line);
            n += s - lineStart;
            s = lineStart;
            if (lineStart > 0 && line > 0 && text[lineStart - 1] != '\n') {
                int32_t above = GetLineOffset(line - 1);
                n += s - above;
                s = above;
            }
            stop = LayoutPass(text, size, s, s, size, s + n, true, wrapWidth, measure, temp);
        } else {
            stop = LayoutPass(text, size, s, s, s + n, -1, false, wrapWidth, nullptr, temp);
        }
    }

    int32_t oldStop = e + (stop - (s + n));
    int32_t count = GetBreakCount();
    // The table is ascending: the first entry at or past s is found by
    // halving, not by walking every line above the edit.
    int32_t a = FindLine(s);
    int32_t b = a;
    while (b < count && GetBreak(b) < oldStop)
        ++b;
    int32_t shift = stop - oldStop;
    if (shift != 0) {
        char* entries = *fLineBreaks;
        for (int32_t k = b; k < count; ++k) {
            int32_t value;
            memcpy(&value, entries + k * 4, sizeof value);
            value += shift;
            memcpy(entries + k * 4, &value, sizeof value);
        }
    }
    fLineBreaks.Delete(uint32_t(a * 4), uint32_t((b - a) * 4));
    fLineBreaks.Insert(uint32_t(a * 4), temp.GetSize(), *temp);
    ForgetPixels();
}

// widths and hit testing

int32_t XGTextEngine::LineWidth(int32_t line, XGTextMeasure& measure) const
{
    if (!fText)
        return 0;
    int32_t length = GetLineLength(line);
    if (length <= 0)
        return 0;
    XGHandleLock lock(*fText);
    return measure.TextWidth(**fText + GetLineOffset(line), uint32_t(length), 0);
}

int32_t XGTextEngine::FindPixel(int32_t offset, int32_t margin, XGTextMeasure& measure) const
{
    if (!fText)
        return margin;
    if (offset > GetTextSize())
        offset = GetTextSize();
    int32_t start = GetLineOffset(FindLine(offset));
    if (offset <= start)
        return margin;
    if (fKeepPixels && offset == fPixelOffset && start == fPixelLineStart && margin == fPixelMargin)
        return fPixel;
    XGHandleLock lock(*fText);
    const int64_t pixel = int64_t(margin) + measure.TextWidth(**fText + start, uint32_t(offset - start), 0);
    KeepPixel(offset, start, margin, pixel);
    return XGTextMeasure::Clamp(pixel);
}

void XGTextEngine::KeepPixel(int32_t offset, int32_t lineStart, int32_t margin, int64_t pixel) const
{
    if (!fKeepPixels)
        return;
    fPixelOffset = offset;
    fPixelLineStart = lineStart;
    fPixelMargin = margin;
    fPixel = XGTextMeasure::Clamp(pixel);
}

int32_t XGTextEngine::FindOffset(int32_t line, int32_t x, int32_t margin, XGTextMeasure& measure,
                                 bool* beyond) const
{
    if (beyond)
        *beyond = false;
    if (!fText || line < 0)
        return 0;
    if (line >= GetNumLines()) {
        if (beyond)
            *beyond = true;
        return GetTextSize();
    }
    int32_t start = GetLineOffset(line);
    int32_t length = GetLineLength(line);
    if (fKeepPixels && line == fHitLine && x == fHitX && margin == fHitMargin && start == fHitLineStart) {
        if (beyond)
            *beyond = fHitBeyond;
        return fHitOffset;
    }
    // A stretch at a time, each a whole number of a measure's pieces, and
    // only as far as the hit: a click near a long line's start does not
    // measure all of it.
    const int32_t kStretch = 1024;
    int32_t widths[kStretch];
    // In 64 bits: a saturated width plus the margin must not wrap.
    int64_t p = margin;
    int32_t before = 0;
    XGHandleLock lock(*fText);
    const char* text = **fText + start;
    // The hit lands between clusters: each is one step, whose width is read
    // where it ends (it may end in a later stretch).
    int32_t cluster = 0;
    for (int32_t from = 0; from < length;) {
        int32_t n = 0;
        while (from + n < length) {
            int32_t piece = int32_t(XGTextMeasure::PieceLength(text + from + n, uint32_t(length - from - n)));
            if (n > 0 && n + piece > kStretch)
                break;
            n += piece;
        }
        measure.PrefixWidthsFrom(text + from, uint32_t(n), before, widths);
        while (cluster < from + n) {
            int32_t end = int32_t(XGTextClusters::Next(text, size_t(length), size_t(cluster)));
            if (end > from + n)
                break;
            int64_t w = int64_t(widths[end - 1 - from]) + margin;
            if (x < (p + w) / 2)
                return KeepHit(line, x, margin, start, start + cluster, false, p, beyond);
            p = w;
            cluster = end;
        }
        before = widths[n - 1];
        from += n;
    }
    return KeepHit(line, x, margin, start, start + length, true, p, beyond);
}

int32_t XGTextEngine::KeepHit(int32_t line, int32_t x, int32_t margin, int32_t lineStart, int32_t offset,
                              bool beyond, int64_t pixel, bool* beyondOut) const
{
    if (beyondOut)
        *beyondOut = beyond;
    KeepPixel(offset, lineStart, margin, pixel);
    if (fKeepPixels) {
        fHitLine = line;
        fHitX = x;
        fHitMargin = margin;
        fHitLineStart = lineStart;
        fHitOffset = offset;
        fHitBeyond = beyond;
    }
    return offset;
}

// editing

void XGTextEngine::Replace(int32_t start, int32_t end, const char* chars, int32_t length)
{
    if (!fText)
        return;
    ForgetPixels();
    int32_t size = GetTextSize();
    if (start > end) {
        int32_t t = start;
        start = end;
        end = t;
    }
    start = start < 0 ? 0 : (start > size ? size : start);
    end = end < start ? start : (end > size ? size : end);
    if (length < 0 || !chars)
        length = 0;
    // One byte more than the offsets reach would wrap every size and offset
    // computed from it.
    if (!FitsAfterReplace(size, end - start, length, fMaxTextSize))
        throw XGPostError(kErrOutOfMemory);
    // Growing first: when memory runs out the text is still whole and the
    // line-break table still describes it.
    if (length > 0 && chars)
        fText->Insert(uint32_t(end), uint32_t(length), chars);
    if (end > start)
        fText->Delete(uint32_t(start), uint32_t(end - start));
}

bool XGTextEngine::FitsAfterReplace(int64_t size, int64_t removed, int64_t inserted, int32_t limit)
{
    // A change that does not grow the text is always allowed, even past a
    // limit lowered below the text's size.
    return inserted <= removed || size - removed + inserted <= limit;
}

// words

int XGTextEngine::WordKind(char32_t c)
{
    enum { kOther, kLetter, kHiragana, kKatakana, kIdeograph };
    if (c < 0x80)
        return IsAlnum(char(c)) ? kLetter : kOther;
    if (c < 0xC0) {
        // Latin-1 punctuation and signs, but for the ordinals, the micro
        // sign and the superscript digits and fractions.
        return c == 0xAA || c == 0xB2 || c == 0xB3 || c == 0xB5 || c == 0xB9 || c == 0xBA
                       || (c >= 0xBC && c <= 0xBE)
                   ? kLetter
                   : kOther;
    }
    if (c == 0xD7 || c == 0xF7)
        return kOther;
    if (c >= 0x3041 && c <= 0x309F)
        return kHiragana;
    if ((c >= 0x30A0 && c <= 0x30FF) || (c >= 0x31F0 && c <= 0x31FF) || (c >= 0xFF66 && c <= 0xFF9F))
        return kKatakana;
    if ((c >= 0x3005 && c <= 0x3007) || (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF)
        || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0x20000 && c <= 0x3FFFF))
        return kIdeograph;
    // Spaces and punctuation, symbols, arrows, shapes, the CJK and
    // full-width punctuation, emoji and the replacement character.
    if ((c >= 0x2000 && c <= 0x2BFF) || (c >= 0x2E00 && c <= 0x2E7F) || (c >= 0x3000 && c <= 0x303F)
        || (c >= 0xFE10 && c <= 0xFE1F) || (c >= 0xFE30 && c <= 0xFE6F)
        || (c >= 0xFF01 && c <= 0xFF0F) || (c >= 0xFF1A && c <= 0xFF20)
        || (c >= 0xFF3B && c <= 0xFF40) || (c >= 0xFF5B && c <= 0xFF65)
        || (c >= 0xFFF0 && c <= 0xFFFF) || (c >= 0x1F000 && c <= 0x1FAFF))
        return kOther;
    return kLetter;
}

bool XGTextEngine::IsWordBreakAt(const char* text, int32_t size, int32_t offset)
{
    if (offset <= 0 || offset >= size)
        return true;
    const uint8_t before = static_cast<uint8_t>(text[offset - 1]);
    const uint8_t after = static_cast<uint8_t>(text[offset]);
    if (before < 0x80 && after < 0x80)
        return IsAlnum(char(before)) != IsAlnum(char(after));
    if (!XGTextClusters::IsBoundary(text, size_t(size), size_t(offset)))
        return false;
    // A cluster is of its first character's kind: a mark takes its base's.
    size_t length;
    size_t previous = XGTextClusters::Previous(text, size_t(size), size_t(offset));
    char32_t a = XGUtf8::Decode(text, size_t(size), previous, &length);
    char32_t b = XGUtf8::Decode(text, size_t(size), size_t(offset), &length);
    return WordKind(a) != WordKind(b);
}

// clipboard

std::string XGTextEngine::ToClipboardText(const char* text, uint32_t length)
{
    std::string out;
    out.reserve(length + length / 8 + 1);
    for (uint32_t i = 0; i < length; ++i) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            char other = c == '\r' ? '\n' : '\r';
            if (i + 1 < length && text[i + 1] == other)
                ++i;
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

void XGTextEngine::FromClipboardText(const char* text, uint32_t length, XGHandle& out)
{
    std::string bytes;
    for (uint32_t i = 0; i < length && text[i] != 0; ++i) {
        char c = text[i];
        if (c == '\r') {
            if (i + 1 < length && text[i + 1] == '\n')
                ++i;
            bytes += '\n';
        } else {
            bytes += c;
        }
    }
    out.SetSize(0);
    out.Append(uint32_t(bytes.size()), bytes.data());
}
