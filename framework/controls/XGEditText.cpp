#include "controls/XGEditText.h"

#include <windows.h>
#include <oleacc.h>

#include "foundation/XGKeys.h"

#include <cstring>
#include <string>

#include "controls/XGCommands.h"
#include "controls/XGControlFields.h"
#include "records/XGFieldReader.h"
#include "views/XGCursor.h"
#include "views/XGDraw.h"
#include "controls/XGEditCore.h"
#include "views/XGFont.h"
#include "foundation/XGHandleLock.h"
#include "dispatch/XGMenuStatus.h"
#include "dispatch/XGMessages.h"
#include "controls/XGScrollView.h"
#include "controls/XGTextClusters.h"
#include "foundation/XGUtf8.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsHexDigit(char c)
{
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool IsLetterOrDigit(char c)
{
    return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

}  // namespace

// The bytes that an editing operation of the engine may replace: the
// selection and the cluster before it (a backspace takes that one). The
// engine changes nothing outside them, so comparing and restoring these
// costs what the change costs, not the text's length.
class XGEditText::Kept {
public:
    Kept(const XGHandle& text, long start, long end)
        : fStart(start), fEnd(end), fFrom(0), fSize(long(text.GetSize()))
    {
        if (start > 0 && start <= fSize)
            fFrom = long(XGTextClusters::Previous(*text, size_t(fSize), size_t(start)));
        if (fEnd > fSize)
            fEnd = fSize;
        if (fFrom > fEnd)
            fFrom = fEnd;
        fBytes.assign(*text + fFrom, size_t(fEnd - fFrom));
    }

    // Where the kept bytes now stand, the rest of the text being unchanged
    // (kept inside the text whatever happened to it).
    long NowFrom(const XGHandle& text) const
    {
        long size = long(text.GetSize());
        return fFrom < size ? fFrom : size;
    }
    long NowLength(const XGHandle& text) const
    {
        long size = long(text.GetSize());
        long length = long(fBytes.size()) + size - fSize;
        long room = size - NowFrom(text);
        return length < 0 ? 0 : length > room ? room : length;
    }
    bool Changed(const XGHandle& text) const
    {
        return NowFrom(text) != fFrom || size_t(NowLength(text)) != fBytes.size()
               || memcmp(*text + fFrom, fBytes.data(), fBytes.size()) != 0;
    }
    // The text as it was.
    void Restore(const XGHandle& text, XGHandle& out) const
    {
        long from = NowFrom(text);
        long length = NowLength(text);
        out.SetSize(0);
        out.Append(uint32_t(from), *text);
        out.Append(uint32_t(fBytes.size()), fBytes.data());
        out.Append(uint32_t(long(text.GetSize()) - from - length), *text + from + length);
    }

    long fStart;
    long fEnd;

private:
    long fFrom;
    long fSize;
    std::string fBytes;
};

// construction

XGEditText::XGEditText(XGView* parent, XGArgStream& stream)
    : XGView(parent, stream), fFont(nullptr), fText(0, 0), fEdit(nullptr), fNoMargin(false),
      fMaxLength(0), fFilter(0)
{
    XGFieldReader fields(stream, XGControlFields::gEditText);
    char text[256];
    fields.ReadString("text", text);
    short fontNumber = short(fields.ReadInteger("font"));
    long maxLength = fields.ReadInteger("maxlength");
    unsigned char filter = (unsigned char)(fields.ReadInteger("filter") & 0xFF);
    bool password = fields.ReadBoolean("password");
    bool wordWrap = fields.ReadBoolean("wordwrap");
    fields.ReadBoolean("unusedflag");
    bool noMargin = fields.ReadBoolean("nomargin");
    fields.ReadInteger("unusedvalue");
    bool multiLine = fields.ReadBoolean("multiline");
    fields.End();
    Init(text, fontNumber, maxLength, filter, password, wordWrap, noMargin, multiLine);
}

XGEditText::~XGEditText()
{
    delete fEdit;
    fEdit = nullptr;
    if (fFont)
        fFont->Detach();
    fFont = nullptr;
}

void XGEditText::Init(const char* text, short fontNumber, long maxLength, unsigned char filter,
                      bool password, bool wordWrap, bool noMargin, bool multiLine)
{
    fFont = XGFont::LoadFont(fontNumber);
    fText.SetSize(0);
    fText.Append(uint32_t(strlen(text)), text);
    fNoMargin = noMargin;
    fMaxLength = maxLength;
    fFilter = filter;
    fEdit = new XGEditCore(this, fFont, GetTextArea());
    fEdit->SetText(&fText);
    if (password)
        fEdit->SetPassword(true);
    if (!multiLine)
        fEdit->SetFieldEditor(true);
    if (wordWrap)
        fEdit->SetWordWrap(true);
    if (GetScrollParent())
        fEdit->SetScrollPixels(false);
}

XGScrollView* XGEditText::GetScrollParent() const
{
    return dynamic_cast<XGScrollView*>(fParent);
}

tagRECT XGEditText::GetTextArea() const
{
    tagRECT r = GetContentRect();
    if (!fNoMargin)
        RectMath::InsetRect(&r, ScaleUnits(3), ScaleUnits(3));
    return r;
}

// public operations

void XGEditText::SetTextHandle(XGHandle& text)
{
    if (&text != &fText)
        fText = text;
    if (fEdit)
        fEdit->RecalcLineStarts();
    RecalcScroll();
    InvalView();
}

void XGEditText::TakeTextHandle(XGHandle& text)
{
    if (&text != &fText)
        fText.Swap(text);
    SetTextHandle(fText);
}

void XGEditText::SetSelect(long start, long end)
{
    if (fEdit)
        fEdit->SetSelect(start, end);
}

void XGEditText::GetSelect(long* start, long* end) const
{
    if (fEdit) {
        fEdit->GetSelect(start, end);
        return;
    }
    if (start)
        *start = 0;
    if (end)
        *end = 0;
}

void XGEditText::GetTitle(char* out) const
{
    uint32_t length = fText.GetSize();
    // Cut where a character starts, not inside one.
    if (length > 255) {
        size_t start = XGUtf8::Previous(*fText, length, 255);
        length = XGUtf8::Next(*fText, length, start) == 255 ? 255 : uint32_t(start);
    }
    if (length)
        memcpy(out, *fText, length);
    out[length] = 0;
}

void XGEditText::SetTitle(const char* title)
{
    XGHandle text(0, 0);
    text.Append(uint32_t(strlen(title)), title);
    SetTextHandle(text);
}

// keys and filters

bool XGEditText::IsSpecialKey(char c)
{
    if (c == kKeyTab)
        return true;
    return c == kKeyReturn && fEdit && fEdit->GetFieldEditor();
}

bool XGEditText::CanInsertKey(char c)
{
    bool accepted;
    switch (fFilter) {
    case 1:
        accepted = IsLetterOrDigit(c);
        break;
    case 2:
        accepted = IsHexDigit(c);
        break;
    case 3:
        accepted = IsDigit(c);
        break;
    case 4:
        accepted = IsDigit(c) || c == '+' || c == '-';
        break;
    case 5:
        accepted = IsDigit(c) || c == '.' || c == '+' || c == '-';
        break;
    default:
        accepted = true;
        break;
    }
    if (!accepted)
        return false;
    // The limit counts characters, the selection's going out.
    if (fMaxLength != 0 && fEdit) {
        long start, end;
        fEdit->GetSelect(&start, &end);
        size_t size = fText.GetSize();
        if (size - size_t(end - start) < size_t(fMaxLength))
            return true;
        size_t characters = XGUtf8::CountCharacters(*fText, size)
                            - XGUtf8::CountCharacters(*fText + start, size_t(end - start));
        return characters < size_t(fMaxLength);
    }
    return true;
}

bool XGEditText::ValidateText(const char* text)
{
    if (fFilter == 4 || fFilter == 5) {
        int points = 0;
        for (size_t i = 0; text[i]; ++i) {
            if ((text[i] == '+' || text[i] == '-') && i > 0)
                return false;
            if (fFilter == 5 && text[i] == '.' && ++points > 1)
                return false;
        }
    }
    return DoDispatch(kMsgValidateText, fViewID, const_cast<char*>(text), true) != 1;
}

// The whole text is validated, not only the 255 characters that GetTitle
// gives, and a rejected change to a long text restores all of it; the
// selection comes back with it.
bool XGEditText::CheckChange(const Kept& kept)
{
    if (!kept.Changed(fText))
        return true;
    // The text goes to validation in place: a terminator in the block's
    // spare bytes, beyond its size, spares copying it for every key. A text
    // that fills its block exactly is copied, into storage kept from one
    // such key to the next (one thread edits).
    static std::string copy;
    const char* text;
    uint32_t size = fText.GetSize();
    if (size < fText.GetAllocSize()) {
        fText.SetChar(size, 0);
        text = *fText;
    } else {
        copy.assign(*fText, size);
        text = copy.c_str();
    }
    if (ValidateText(text)) {
        NotifyAccEvent(EVENT_OBJECT_VALUECHANGE);
        return true;
    }
    XGHandle old(0, 0);
    kept.Restore(fText, old);
    SetTextHandle(old);
    fEdit->SetSelect(kept.fStart, kept.fEnd);
    return false;
}

// The key's scroll-bar update follows in DoKey.
void XGEditText::InsertChar(char c)
{
    if (!fEdit)
        return;
    if (c != 0x08 && !CanInsertKey(c))
        return;
    long start, end;
    fEdit->GetSelect(&start, &end);
    Kept kept(fText, start, end);
    fEdit->DoKey(c);
    CheckChange(kept);
}

void XGEditText::InsertCharacter(const char* utf8)
{
    if (!fEdit || !utf8 || !*utf8)
        return;
    // A key brings one character; anything ill-formed is typed as U+FFFD.
    std::string bytes = XGUtf8::Repaired(utf8, strlen(utf8));
    if (!CanInsertKey(bytes[0]))
        return;
    long start, end;
    fEdit->GetSelect(&start, &end);
    Kept kept(fText, start, end);
    fEdit->DoInsert(long(bytes.size()), bytes.data());
    CheckChange(kept);
}

long XGEditText::DoKey(long arg, void* data)
{
    if (!fEdit)
        return -1;
    unsigned short modifiers = XGKeyModifiers(arg);
    unsigned short key = XGKeyCode(arg);
    bool extend = (modifiers & kModShift) != 0;
    if (!(modifiers & kModExtendedKey) && key >= 0x80) {
        // A character beyond ASCII comes whole as UTF-8 in data; a key
        // without it is the UTF-16 unit itself.
        std::string own;
        const char* utf8 = static_cast<const char*>(data);
        if (!utf8) {
            XGUtf8::Append(own, char32_t(key));
            utf8 = own.c_str();
        }
        InsertCharacter(utf8);
    } else if (!(modifiers & kModExtendedKey)) {
        char c = char(key & 0xFF);
        if (IsSpecialKey(c))
            return -1;
        if (c == kKeyBackspace)
            DeleteChar();
        else
            InsertChar(c);
    } else {
        switch (key) {
        case kKeyDelete:
            DeleteChar();
            break;
        case kKeyHome:
            fEdit->SetSelect(0, 0);
            break;
        case kKeyEnd:
            fEdit->SetSelect(long(fText.GetSize()), long(fText.GetSize()));
            break;
        case kKeyLeft:
            fEdit->DoLeftArrow(extend);
            break;
        case kKeyRight:
            fEdit->DoRightArrow(extend);
            break;
        case kKeyUp:
            fEdit->DoUpArrow(extend);
            break;
        case kKeyDown:
            fEdit->DoDownArrow(extend);
            break;
        default:
            return -1;
        }
    }
    RecalcScroll();
    return 0;
}

// menu commands

long XGEditText::DoGetMenuStatus(long arg, void* data)
{
    XGMenuStatus* status = static_cast<XGMenuStatus*>(data);
    if (!fEdit || !status)
        return -1;
    switch (arg) {
    case kCmdCut:
        status->enabled = fEdit->CanCut();
        return 0;
    case kCmdCopy:
        status->enabled = fEdit->CanCopy();
        return 0;
    case kCmdPaste:
    case kCmdSelectAll:
        status->enabled = true;
        return 0;
    case kCmdClear:
        status->enabled = fEdit->CanDelete();
        return 0;
    default:
        return -1;
    }
}

long XGEditText::DoMenuCommand(long arg, void*)
{
    if (!fEdit)
        return -1;
    if (arg == kCmdSelectAll) {
        fEdit->DoSelectAll();
        return 0;
    }
    if (arg < kCmdCut || arg > kCmdClear)
        return -1;
    long start, end;
    fEdit->GetSelect(&start, &end);
    Kept kept(fText, start, end);
    switch (arg) {
    case kCmdCut:
        fEdit->DoCut();
        break;
    case kCmdCopy:
        fEdit->DoCopy();
        break;
    case kCmdPaste:
        fEdit->DoPaste();
        break;
    default:
        fEdit->DoDelete();
        break;
    }
    if (CheckChange(kept))
        RecalcScroll();
    return 0;
}

long XGEditText::DoIdle(long, void*)
{
    if (fEdit)
        fEdit->DoIdle();
    return 0;
}

// long Handler(long arg, void* data); -1 passes the message on.
XG_BEGIN_DISPATCH(XGEditText, XGDispatch)
    XG_ON(kMsgPeriodic, DoIdle)
    XG_ON(kMsgKey, DoKey)
    XG_ON(kMsgGetMenuStatus, DoGetMenuStatus)
    XG_ON(kMsgMenuCommand, DoMenuCommand)
XG_END_DISPATCH()

// scroll bars

void XGEditText::RecalcScroll()
{
    XGScrollView* scroller = GetScrollParent();
    if (!fEdit || !scroller)
        return;
    long step = fEdit->GetPixelStep();
    if (step < 1)
        step = 1;
    scroller->SetPixelStep(step);
    tagRECT r = GetTextArea();
    long width = r.right - r.left, height = r.bottom - r.top;
    long pageH = width / step, pageV = height / step;
    scroller->SetPageSize(pageH < 1 ? 1 : pageH, pageV < 1 ? 1 : pageV);
    long maxH = XGTextEngine::DivUp(int32_t(fEdit->GetMaxWidth() - width), int32_t(step));
    long maxV = XGTextEngine::DivUp(int32_t(fEdit->GetMaxHeight() - height), int32_t(step));
    scroller->SetMaxValue(maxH < 0 ? 0 : maxH, maxV < 0 ? 0 : maxV);
    long h, v;
    fEdit->GetScrollValue(&h, &v);
    scroller->SetScrollValue(h, v);
}

void XGEditText::Scroll(long dh, long dv)
{
    XGScrollView* scroller = GetScrollParent();
    if (scroller && fEdit) {
        long h, v;
        scroller->GetScrollValue(&h, &v);
        fEdit->SetScrollValue(h, v);
    }
    tagRECT area = GetTextArea();
    ScrollView(dh, dv, &area);
}

// drawing and events

void XGEditText::DoDrawView(tagRECT)
{
    XGDraw draw(this);
    tagRECT r = GetContentRect();
    DrawTextFrame(draw, r);
    if (!fNoMargin)
        RectMath::InsetRect(&r, ScaleUnits(3), ScaleUnits(3));
    if (fEdit)
        fEdit->DoDraw(draw, r);
}

void XGEditText::DrawTextFrame(XGDraw& draw, tagRECT r)
{
    if (!fNoMargin) {
        if (IsEnabled() && IsActive()) {
            draw.Draw3DRect(r, kRectSunken);
            RectMath::InsetRect(&r, 1, 1);
            draw.Draw3DRect(r, kRectBlackFrame);
            RectMath::InsetRect(&r, 1, 1);
        } else {
            draw.Draw3DRect(r, kRectShadowFrame);
            RectMath::InsetRect(&r, 1, 1);
        }
    }
    draw.EraseRect(r);
}

void XGEditText::DoDpiChanged(int oldDpi, int newDpi)
{
    XGView::DoDpiChanged(oldDpi, newDpi);
    if (!fEdit)
        return;
    fEdit->DoDpiChanged();
    fEdit->DoSize(GetTextArea());
    RecalcScroll();
}

void XGEditText::DoActivate(bool active)
{
    if (fEdit)
        fEdit->DoActivate(active);
    if (!fNoMargin)
        InvalView();
}

bool XGEditText::DoMouseDown(Point where, short modifiers)
{
    SetCursorID(1);
    return fEdit ? fEdit->DoMouseDown(where, modifiers) : false;
}

void XGEditText::DoMouseMove(Point where, short modifiers)
{
    SetCursorID(1);
    if (fEdit)
        fEdit->DoMouseMove(where, modifiers);
}

void XGEditText::DoMouseUp(Point where, short modifiers)
{
    if (fEdit)
        fEdit->DoMouseUp(where, modifiers);
}

void XGEditText::DoSizeView()
{
    XGView::DoSizeView();
    if (fEdit)
        fEdit->DoSize(GetTextArea());
    RecalcScroll();
    InvalView();
}

void XGEditText::DoGainFocus()
{
    tagRECT r = GetContentRect();
    InvalView(&r);
    if (fEdit)
        fEdit->DoGainFocus(false);
}

void XGEditText::DoLoseFocus()
{
    tagRECT r = GetContentRect();
    InvalView(&r);
    if (fEdit)
        fEdit->DoLoseFocus(false);
}

long XGEditText::GetAccRole() const
{
    return ROLE_SYSTEM_TEXT;
}

// Its title is its text, which is its value (or, in a password field, a
// secret): its name is only the one given or its label's.
void XGEditText::GetAccName(std::string& out) const
{
    out.clear();
    if (fAccLabel != 0 || !fAccName.empty()) {
        XGView::GetAccName(out);
        return;
    }
    // Unnamed, it takes the static text just before it in the tree, as a
    // dialog's edit control takes the label before it: "&Name:" beside it.
    XGView* before = nullptr;
    for (XGView* view = GetParent() ? GetParent()->GetChild() : nullptr; view && view != this;
         view = view->GetSibling())
        before = view;
    if (before && before->GetAccRole() == ROLE_SYSTEM_STATICTEXT)
        before->GetAccName(out);
}

// A password field's text is not read out: its value is absent.
bool XGEditText::GetAccValue(std::string& out) const
{
    if (fEdit && fEdit->IsPassword())
        return false;
    out.assign(*fText, fText.GetSize());
    return true;
}

long XGEditText::GetAccState() const
{
    long state = XGView::GetAccState() | STATE_SYSTEM_FOCUSABLE;
    if (fEdit && fEdit->IsPassword())
        state |= STATE_SYSTEM_PROTECTED;
    return state;
}
