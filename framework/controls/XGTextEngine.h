// The device-free half of the text editor: the line-break table over a UTF-8
// text, full and incremental layout with optional word wrap, line
// arithmetic, hit testing within a line, word boundaries and the clipboard's
// line-end conversions. Offsets are bytes; every line break, hit and word
// boundary it gives lies between clusters (XGTextClusters), never inside a
// character. Widths come from an XGTextMeasure, so the rules run (and are
// tested) without a window.
#pragma once

#include <cstdint>
#include <string>

#include "foundation/XGHandle.h"

// Width in pixels of the `length` bytes of text, laid out from `startWidth`
// pixels into their line (tab stops are counted from the line's start). The
// engine asks only for runs of whole characters; prefix widths are read only
// where a cluster ends.
class XGTextMeasure {
public:
    virtual ~XGTextMeasure() {}
    // A measure works in pieces of at most kPiece bytes, each ending where a
    // character ends (unless one character is longer), so that no piece cuts
    // a character in two.
    static constexpr uint32_t kPiece = 128;
    static uint32_t PieceLength(const char* text, uint32_t length);
    virtual int32_t TextWidth(const char* text, uint32_t length, int32_t startWidth) = 0;
    // widths[i] = TextWidth(text, i + 1, 0) for every i below `length`; a
    // measure that can answer them in fewer steps overrides this.
    virtual void PrefixWidths(const char* text, uint32_t length, int32_t* widths)
    {
        PrefixWidthsFrom(text, length, 0, widths);
    }
    // widths[i] = TextWidth(text, i + 1, startWidth): the same for
    // characters further into their line, `startWidth` pixels from its start.
    virtual void PrefixWidthsFrom(const char* text, uint32_t length, int32_t startWidth,
                                  int32_t* widths)
    {
        for (uint32_t i = 0; i < length; ++i)
            widths[i] = TextWidth(text, i + 1, startWidth);
    }
    // A width held within 32 bits: past either end it stays at that end.
    static int32_t Clamp(int64_t width)
    {
        return width > INT32_MAX ? INT32_MAX : width < INT32_MIN ? INT32_MIN : int32_t(width);
    }
};

class XGTextEngine {
public:
    // construction
    XGTextEngine();
    virtual ~XGTextEngine();
    XGTextEngine(const XGTextEngine&) = delete;
    XGTextEngine& operator=(const XGTextEngine&) = delete;

    // The text is the host's; only a pointer is kept. Null means no text.
    void SetTextHandle(XGHandle* text)
    {
        fText = text;
        ForgetPixels();
    }
    XGHandle* GetTextHandle() const { return fText; }
    int32_t GetTextSize() const { return fText ? int32_t(fText->GetSize()) : 0; }

    // layout; `measure` may be null when `wrap` is false
    void RecalcLineStarts(bool wrap, int32_t wrapWidth, XGTextMeasure* measure);
    // After the old selection [start, oldEnd) was replaced by `inserted`
    // characters; the table still describes the old text.
    void RecalcStarts(int32_t start, int32_t oldEnd, int32_t inserted, bool wrap,
                      int32_t wrapWidth, XGTextMeasure* measure);

    // line arithmetic
    int32_t GetNumLines() const;
    int32_t GetLineOffset(int32_t line) const;
    int32_t GetLineLength(int32_t line) const;
    int32_t FindLine(int32_t offset) const;
    int32_t GetBreakCount() const { return int32_t(fLineBreaks.GetSize() / 4); }
    int32_t GetBreak(int32_t index) const;

    // widths and hit testing (margin = pixels before the first character)
    int32_t FindPixel(int32_t offset, int32_t margin, XGTextMeasure& measure) const;
    int32_t LineWidth(int32_t line, XGTextMeasure& measure) const;
    // A host that measures with the same widths from call to call may keep
    // the last position found (by FindPixel, or the hit of FindOffset) and
    // the last hit, so that the caret, scroll and highlight of one input, and
    // the release of a click where it was pressed, do not measure the line
    // again; it calls ForgetPixels when its widths change. The engine
    // forgets on its own when the text or its layout changes.
    void KeepPixels(bool keep)
    {
        fKeepPixels = keep;
        ForgetPixels();
    }
    void ForgetPixels() const
    {
        fPixelOffset = -1;
        fHitLine = -1;
    }
    // The offset nearest to pixel x on the line; *beyond is set when x lies
    // past the line's last character.
    int32_t FindOffset(int32_t line, int32_t x, int32_t margin, XGTextMeasure& measure,
                       bool* beyond = nullptr) const;

    // Replaces the bytes [start, end) of the text by `length` characters; the
    // range is clamped to the text. The caller lays out with RecalcStarts.
    // A replacement that would take the text past GetMaxTextSize throws the
    // posted "Out of memory" and changes nothing.
    void Replace(int32_t start, int32_t end, const char* chars, int32_t length);

    // The largest text the 32-bit signed offsets reach; a lower limit may be
    // set (tests reach it without allocating 2 GB).
    static constexpr int32_t kMaxTextSize = INT32_MAX;
    int32_t GetMaxTextSize() const { return fMaxTextSize; }
    void SetMaxTextSize(int32_t limit) { fMaxTextSize = limit < 0 ? 0 : limit; }
    // Whether a text of `size` bytes with `removed` of them replaced by
    // `inserted` stays within `limit`; in 64 bits, so that no size wraps.
    static bool FitsAfterReplace(int64_t size, int64_t removed, int64_t inserted, int32_t limit);

    // Words: true where the clusters on either side are of different kinds:
    // letters and digits of most scripts, hiragana, katakana, ideographs, or
    // anything else (spaces, punctuation, symbols, emoji). For ASCII, exactly
    // one side is a letter or digit. Never inside a cluster.
    static bool IsWordBreakAt(const char* text, int32_t size, int32_t offset);
    // The kind of a character for word boundaries: 0 for none of the others.
    static int WordKind(char32_t c);
    static bool IsWhite(char c);
    static bool IsAlnum(char c);

    // The clipboard's text: every CR, LF, CR LF or LF CR becomes CR LF.
    static std::string ToClipboardText(const char* text, uint32_t length);
    // From the clipboard's text (up to a zero byte or `length`): CR LF, a
    // lone CR and a lone LF each become one line feed.
    static void FromClipboardText(const char* text, uint32_t length, XGHandle& out);

    // a divided upward by b, for positive a; truncation otherwise
    static int32_t DivUp(int32_t a, int32_t b);

private:
    // One layout pass from `from` with line start `lineStart`; stops at `to`
    // (exclusive) or, when stopAfterBreak is not negative, right after the
    // first line feed at or beyond it. Appends breaks to `table`; returns
    // where it stopped.
    int32_t LayoutPass(const char* text, int32_t size, int32_t from, int32_t lineStart,
                       int32_t to, int32_t stopAfterBreak, bool wrap, int32_t wrapWidth,
                       XGTextMeasure* measure, XGHandle& table) const;
    static void AppendBreak(XGHandle& table, int32_t offset);

    void KeepPixel(int32_t offset, int32_t lineStart, int32_t margin, int64_t pixel) const;
    int32_t KeepHit(int32_t line, int32_t x, int32_t margin, int32_t lineStart, int32_t offset, bool beyond,
                    int64_t pixel, bool* beyondOut) const;

    XGHandle* fText;
    XGHandle fLineBreaks;
    int32_t fMaxTextSize;
    bool fKeepPixels;
    // The kept position: offset (-1 for none), its line's start, the margin
    // it was found with and its pixel.
    mutable int32_t fPixelOffset;
    mutable int32_t fPixelLineStart;
    mutable int32_t fPixelMargin;
    mutable int32_t fPixel;
    // The kept hit: line (-1 for none), pixel, margin, the line's start, and
    // the answer.
    mutable int32_t fHitLine;
    mutable int32_t fHitX;
    mutable int32_t fHitMargin;
    mutable int32_t fHitLineStart;
    mutable int32_t fHitOffset;
    mutable bool fHitBeyond;
};
