#include "NTTextView.h"

#include "NTCommands.h"
#include "controls/XGEditCore.h"
#include "dispatch/XGMenuStatus.h"
#include "dispatch/XGMessages.h"

#include <windows.h>

// long Handler(long arg, void* data); -1 passes the message on.
XG_BEGIN_DISPATCH(NTTextView, XGEditText)
    XG_ON(kMsgKey, DoKey)
    XG_ON(kMsgGetMenuStatus, DoGetMenuStatus)
    XG_ON(kMsgMenuCommand, DoMenuCommand)
XG_END_DISPATCH()

NTTextView::NTTextView(XGView* parent, XGArgStream& stream)
    : XGEditText(parent, stream), fHasUndo(false), fChanging(false), fWordWrap(false)
{
}

NTTextView::~NTTextView() = default;

NTTextView::State NTTextView::Capture() const
{
    State state;
    const XGHandle& text = GetTextHandle();
    state.text.assign(*text, text.GetSize());
    GetSelect(&state.start, &state.end);
    return state;
}

std::string NTTextView::GetText() const
{
    const XGHandle& text = GetTextHandle();
    return std::string(*text, text.GetSize());
}

void NTTextView::LoadText(const std::string& text)
{
    XGHandle handle(0, 0);
    handle.Append(uint32_t(text.size()), text.data());
    LoadText(handle);
}

void NTTextView::LoadText(XGHandle& text)
{
    fHasUndo = false;
    fUndo = State();
    try {
        TakeTextHandle(text);
    } catch (...) {
        // A text half laid out is not shown: the handle may be one the
        // caller still holds, so the view keeps nothing of it.
        XGHandle empty(0, 0);
        TakeTextHandle(empty);
        throw;
    }
    text.SetSize(0);
    SetSelect(0, 0);
}

void NTTextView::Undo()
{
    if (!fHasUndo)
        return;
    State now = Capture();
    XGHandle handle(0, 0);
    handle.Append(uint32_t(fUndo.text.size()), fUndo.text.data());
    SetTextHandle(handle);
    SetSelect(fUndo.start, fUndo.end);
    fUndo = std::move(now);
    Changed();
}

void NTTextView::SetWordWrap(bool wrap)
{
    fWordWrap = wrap;
    if (XGEditCore* core = GetEditCore())
        core->SetWordWrap(wrap);
    // Lays the text out again and brings the scroll bars in step.
    SetTextHandle(const_cast<XGHandle&>(GetTextHandle()));
}

bool NTTextView::CanInsertKey(char c)
{
    return c != 0 && XGEditText::CanInsertKey(c);
}

bool NTTextView::ValidateText(const char* text)
{
    bool accepted = XGEditText::ValidateText(text);
    if (accepted)
        fChanging = true;
    return accepted;
}

void NTTextView::Changed()
{
    DoDispatch(kChanged, fViewID, nullptr, true);
}

template <class Operation>
long NTTextView::Edit(Operation operation)
{
    State before = Capture();
    fChanging = false;
    long result = operation();
    if (fChanging) {
        fChanging = false;
        fUndo = std::move(before);
        fHasUndo = true;
        Changed();
    }
    return result;
}

long NTTextView::DoKey(long arg, void* data)
{
    return Edit([&] { return XGEditText::DoKey(arg, data); });
}

long NTTextView::DoGetMenuStatus(long arg, void* data)
{
    XGMenuStatus* status = static_cast<XGMenuStatus*>(data);
    if (!status)
        return -1;
    switch (arg) {
    case kCmdUndo:
        status->enabled = fHasUndo;
        return 0;
    case kCmdPaste:
        status->enabled = IsClipboardFormatAvailable(CF_TEXT) != 0;
        return 0;
    default:
        return XGEditText::DoGetMenuStatus(arg, data);
    }
}

long NTTextView::DoMenuCommand(long arg, void* data)
{
    if (arg == kCmdUndo) {
        Undo();
        return 0;
    }
    if (arg == kCmdPaste && !IsClipboardFormatAvailable(CF_TEXT))
        return 0;
    return Edit([&] { return XGEditText::DoMenuCommand(arg, data); });
}
