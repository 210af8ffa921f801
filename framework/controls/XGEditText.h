// An editable text field or area built from an 'edit' record: it owns the
// text and the editing engine, draws a sunken frame around the text, filters
// typed characters, limits the length that typing may reach, lets its
// parents veto a change ('kclk'), answers the Edit menu commands and keeps
// the bars of an enclosing scroll view in step with the engine.
#pragma once

#include <string>

#include "foundation/XGHandle.h"
#include "views/XGView.h"

class XGArgStream;
class XGDraw;
class XGEditCore;
class XGFont;

class XGEditText : public XGView {
public:
    // construction
    XGEditText(XGView* parent, XGArgStream& stream);
    ~XGEditText() override;

    // public operations
    void SetTextHandle(XGHandle& text);
    // As SetTextHandle, but the bytes of `text` become the view's own
    // without a copy; `text` is left with the old ones.
    void TakeTextHandle(XGHandle& text);
    void SetSelect(long start, long end);
    void GetSelect(long* start, long* end) const;
    XGEditCore* GetEditCore() const { return fEdit; }
    const XGHandle& GetTextHandle() const { return fText; }

    // virtual operations of XGView
    void DoGainFocus() override;
    void DoLoseFocus() override;
    XG_DECLARE_DISPATCH(XGEditText)
    void DoDrawView(tagRECT area) override;
    void DoActivate(bool active) override;
    bool DoMouseDown(Point where, short modifiers) override;
    void DoMouseMove(Point where, short modifiers) override;
    void DoMouseUp(Point where, short modifiers) override;
    void DoSizeView() override;
    void GetTitle(char* out) const override;
    void SetTitle(const char* title) override;
    void Scroll(long dh, long dv) override;
    long GetAccRole() const override;
    void GetAccName(std::string& out) const override;
    bool GetAccValue(std::string& out) const override;
    long GetAccState() const override;
    void DoDpiChanged(int oldDpi, int newDpi) override;

    // its own virtual operations
    // `c` is the typed character when it is ASCII, else the first byte of
    // its UTF-8 form (0x80 and up, which no filter takes); the length limit
    // counts characters.
    virtual bool CanInsertKey(char c);
    virtual bool IsSpecialKey(char c);
    virtual void DrawTextFrame(XGDraw& draw, tagRECT r);
    virtual bool ValidateText(const char* text);

    // message handlers
    long DoIdle(long arg, void* data);          // 'peri'
    long DoKey(long arg, void* data);           // 'keye'
    // The Edit commands it answers while it has the focus: 5 Cut, 6 Copy,
    // 7 Paste, 8 Clear, 16 Select All (Paste and Select All always
    // enabled). Undo (4) is left to a subclass.
    long DoGetMenuStatus(long arg, void* data); // 'stat'
    long DoMenuCommand(long arg, void* data);   // 'menu'

private:
    void Init(const char* text, short fontNumber, long maxLength, unsigned char filter,
              bool password, bool wordWrap, bool noMargin, bool multiLine);
    class Kept;
    // Validates what an engine operation changed since `kept`; a rejected
    // change is undone, text and selection (false then).
    bool CheckChange(const Kept& kept);
    void InsertChar(char c);
    // One typed character beyond ASCII, in UTF-8.
    void InsertCharacter(const char* utf8);
    void DeleteChar() { InsertChar(0x08); }
    void RecalcScroll();
    tagRECT GetTextArea() const;
    class XGScrollView* GetScrollParent() const;

    XGFont* fFont;
    XGHandle fText;
    XGEditCore* fEdit;
    bool fNoMargin;
    long fMaxLength;
    unsigned char fFilter;
};
