// The text editor without a window of its own: it edits a host's handle of
// UTF-8 text (a line end is one line feed), keeps a selection
// and a blinking caret, maps points to offsets, draws the visible lines into
// its host view and exchanges text with the clipboard. The host forwards its
// drawing, mouse, key, focus, size and idle events. There is no undo.
#pragma once

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "views/RectMath.h"
#include "foundation/XGHandle.h"
#include "controls/XGTextEngine.h"
#include "foundation/XGTypes.h"

class XGDraw;
class XGFont;
struct HFONT__;
class XGView;

class XGEditCore {
public:
    // construction
    XGEditCore(XGView* view, XGFont* font, const tagRECT& frame);
    virtual ~XGEditCore();
    XGEditCore(const XGEditCore&) = delete;
    XGEditCore& operator=(const XGEditCore&) = delete;

    // configuration
    void SetText(XGHandle* text);
    void DoSize(tagRECT frame);
    void SetWordWrap(bool wrap);
    void SetPassword(bool password);
    bool IsPassword() const { return fPassword; }
    void SetFieldEditor(bool field);
    bool GetFieldEditor() const { return fFieldEditor; }
    void SetScrollPixels(bool scroll) { fScrollPixels = scroll; }
    tagRECT GetFrame() const { return fFrame; }

    // queries
    long GetNumLines() const;
    long GetLineOffset(long line) const;
    long GetLineLength(long line) const;
    long FindLine(long offset) const;
    long FindPixel(long offset);
    long FindOffset(long line, long pixel);
    long GetOffset(Point where);
    long GetMaxWidth();
    long GetMaxHeight();
    void GetScrollValue(long* h, long* v) const;
    long GetPixelStep() const { return fPixelStep; }
    void GetSelect(long* start, long* end) const;
    bool CanCut() const;
    bool CanCopy() const;
    bool CanPaste() const { return true; }
    bool CanDelete() const;
    bool IsCaretShown() const { return fCaretOn && fCaretValid && fActive; }
    short GetLineHeight() const { return fLineHeight; }
    short GetCaretWidth() const { return fCaretWidth; }
    short GetMargin() const { return fMargin; }

    // editing and selection
    void DoInsert(long length, const char* chars);
    void DoKey(char ch);
    void DoDelete() { DoInsert(0, nullptr); }
    void DoCut();
    void DoCopy();
    void DoPaste();
    void DoSelectAll();
    void SetSelect(long start, long end);
    void DoUpArrow(bool extend);
    void DoDownArrow(bool extend);
    void DoLeftArrow(bool extend);
    void DoRightArrow(bool extend);
    void RecalcLineStarts();

    // events from the host
    bool DoMouseDown(Point where, short modifiers);
    void DoMouseMove(Point where, short modifiers);
    void DoMouseUp(Point where, short modifiers);
    void DoActivate(bool active);
    void DoGainFocus(bool invalidate);
    void DoLoseFocus(bool invalidate);
    void DoIdle();
    void DoDraw(XGDraw& draw, tagRECT area);
    // The host's window changed its DPI: the font's metrics, the margin,
    // the caret and every kept width are taken again at the new scale, and
    // the lines laid out again. The host sets the frame afterwards.
    void DoDpiChanged();

    // scrolling
    void SetScrollValue(long h, long v);
    void ScrollInRange(long offset);

    // virtual operations, in slot order after the destructor
    virtual bool IsWordBreak(long offset, const char* text);

private:
    class Measure;
    friend class Measure;
    class EventDraw;
    friend class EventDraw;

    void RecalcStarts(long start, long oldEnd, long inserted);
    // Lines first..oldLast became first..newLast: their widths are measured
    // again when next asked for, the others are kept.
    void NoteChangedLines(long first, long oldLast, long newLast);
    void DrawTextA(XGDraw& draw, const char* text, unsigned long start, unsigned long end);
    void DrawLine(XGDraw& draw, long line);
    void DrawLines(long first, long last);
    void SetSelectInternal(long a, long b);
    // What SetSelectInternal would select for a and b: ordered, within the
    // text, between clusters.
    void ClampSelection(long* start, long* end) const;
    // What a drag from a to b selects: ordered, whole words in a word drag.
    void DragSelection(long* a, long* b);
    void SetDragSelect(long a, long b);
    void GetWordSelect(long* start, long* end);
    // The line height, ascent, margin and caret width of the font and scale.
    void TakeMetrics();
    void InvertCursor(XGDraw& draw);
    void ShowCursor(XGDraw& draw);
    void HideCursor(XGDraw& draw);
    void ClearCursor();
    void CreateSystemCaret();
    void DestroySystemCaret();
    // Moves the hidden system caret onto the drawn caret's place (the
    // engine's coordinates of its right edge, as fCaretH and fCaretV).
    void PlaceSystemCaret(long caretH, long caretV);
    // Where the caret is drawn: false with a selection or outside the frame.
    bool LocateCaret(XGDraw& draw, long* caretH, long* caretV);
    // Throws the posted "Clipboard Error" when the clipboard does not take the text.
    void ToClipboard(XGHandle& handle);
    // False, with the handle empty, when the clipboard cannot be opened.
    bool FromClipboard(XGHandle& handle);

    void VisibleRun(XGDraw& draw, const char* text, unsigned long length, unsigned long* from,
                    unsigned long* to, long* x);
    long GetOffsetBeyond(Point where, bool* beyond);
    // The font's character advances (256), or null without a host.
    const int32_t* CharWidths(XGDraw* draw);
    // The advance of a character beyond ASCII in the font of CharWidths.
    int32_t WideWidth(char32_t c, XGDraw* draw);
    XGDraw* OpenDraw();
    // The context the event in progress shares (fEventDraw), or a new one
    // kept in `own`.
    XGDraw* UseDraw(std::unique_ptr<XGDraw>& own);
    XGDraw* OpenCaretDraw();
    long TextSize() const;
    long LineTop(long line) const;
    long ScreenX(long offset);
    long WrapWidth(long inset) const;
    // Layout units at the host's scale.
    long Units(long units) const;
    void Invalidate();
    void MoveCaret(long selStart, long selEnd, long scrollTo);
    // An arrow without Shift over a selection only drops the selection onto
    // one of its ends; true when it did.
    bool CollapseSelection(bool extend, bool toStart);

    bool fScrollPixels;
    XGView* fView;
    XGFont* fFont;
    tagRECT fFrame;
    XGHandle* fText;
    XGTextEngine fLineBreaks;   // the line-break table and the layout rules
    unsigned long fBlinkTime;
    long fTabWidth;
    bool fWordWrap;
    bool fCaretOn;
    bool fWordDrag;
    bool fFieldEditor;
    bool fPassword;
    bool fActive;
    long fScrollH;
    long fScrollV;
    long fPixelStep;
    long fSelStart;
    long fSelEnd;
    long fMaxScrollH;
    long fDragAnchor;
    long fDragPoint;
    short fLineHeight;
    short fAscent;
    long fGoalPixel;
    short fMargin;
    short fCaretWidth;
    bool fAtLineEnd;
    bool fCaretValid;
    short fCaretV;
    short fCaretH;
    bool fSystemCaret;
    Point fSystemCaretAt;     // window client coordinates of its last move
    unsigned long fTextColor;
    unsigned long fFillColor;
    // Each unwrapped line's width as last measured, so that the widest line
    // costs the changed lines, not the whole text; valid while
    // fWidthsKnown. Lines fStaleFirst..fStaleLast (none when fStaleFirst is
    // -1) changed since they were measured.
    std::vector<int32_t> fLineWidths;
    bool fWidthsKnown;
    long fStaleFirst;
    long fStaleLast;
    // The font's advances as CharWidths read them, for fWidthsFont.
    std::vector<int32_t> fCharWidths;
    std::unordered_map<char32_t, int32_t> fWideWidths;
    int32_t fWidthExtra;
    HFONT__* fWidthsFont;
    // While an event draws in several steps, the one context they share.
    XGDraw* fEventDraw;
};
