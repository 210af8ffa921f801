#include "dialogs/XGDialog.h"
#include "foundation/XGKeys.h"
#include "dispatch/XGEventLoop.h"
#include "records/XGArgStream.h"
#include "records/XGFieldReader.h"
#include "dialogs/XGDialogFields.h"
#include "controls/XGCommandButton.h"
#include "dialogs/XGDialogText.h"
#include "views/XGDraw.h"
#include "dispatch/XGGlobals.h"
#include "dispatch/XGMessages.h"
#include "controls/XGStaticText.h"
#include "forms/XGWindowFactory.h"

namespace {

// Learns whether a dialog is deleted while the scope runs, so that nothing
// reads it afterwards. The watches of all scopes in progress form one chain,
// innermost first, that the dialog's destructor marks.
class DeletionWatch {
public:
    explicit DeletionWatch(const XGDialog* dialog) : fDialog(dialog), fDeleted(false), fOuter(gInnermost)
    {
        gInnermost = this;
    }
    ~DeletionWatch() { gInnermost = fOuter; }
    DeletionWatch(const DeletionWatch&) = delete;
    DeletionWatch& operator=(const DeletionWatch&) = delete;

    bool Deleted() const { return fDeleted; }

    static void DialogDeleted(const XGDialog* dialog)
    {
        for (DeletionWatch* watch = gInnermost; watch; watch = watch->fOuter) {
            if (watch->fDialog == dialog)
                watch->fDeleted = true;
        }
    }

private:
    const XGDialog* fDialog;
    bool fDeleted;
    DeletionWatch* fOuter;
    static DeletionWatch* gInnermost;
};

DeletionWatch* DeletionWatch::gInnermost = nullptr;

// Every program that links the dialogs shows its posted errors in them.
const XGErrorAlertProc gAlertsRegistered = XGSetErrorAlertProc(&XGDialog::ShowErrorAlert);

}

// long Handler(long arg, void* data); -1 passes the message on.
XG_BEGIN_DISPATCH_WITH(XGDialog, XGWindow, &XGDialog::Dispatch)
    XG_ON(kMsgKey, DoKey)
XG_END_DISPATCH()

XGDialog::XGDialog(XGArgStream& stream, XGForm* form)
    : XGWindow(stream, form), fResult(0), fDone(false), fModal(false), fUserData(nullptr),
      fDialogProc(nullptr), fDefaultID(0), fCancelID(0), fInitializing(false)
{
    XGFieldReader fields(stream, XGDialogFields::gDialog);
    fDefaultID = short(fields.ReadInteger("defaultitem"));
    fCancelID = short(fields.ReadInteger("cancelitem"));
    fields.End();
}

XGDialog::~XGDialog()
{
    // A destructor lets nothing out: the procedure's failure is shown here.
    try {
        if (fDialogProc)
            SendMessageA(kMsgDialog, kDialogDestroy, nullptr);
    } catch (...) {
        XGEventLoop::ReportException();
    }
    fDialogProc = nullptr;
    fUserData = nullptr;
    fDone = true;
    DeletionWatch::DialogDeleted(this);
}

XGDialog* XGDialog::Create(const unsigned char* form, XGDialogProc proc, void* userData)
{
    XGWindow* window = XGWindowFactory::CreateFromData(form, nullptr);
    XGDialog* dialog = dynamic_cast<XGDialog*>(window);
    if (!dialog) {
        // Not a 'dlog' form: nothing to run.
        delete window;
        return nullptr;
    }
    return CreateInit(dialog, proc, userData);
}

XGDialog* XGDialog::Create(short resID, XGDialogProc proc, void* userData)
{
    XGWindow* window = XGWindowFactory::CreateFromResource(resID, nullptr);
    XGDialog* dialog = dynamic_cast<XGDialog*>(window);
    if (!dialog) {
        delete window;
        return nullptr;
    }
    return CreateInit(dialog, proc, userData);
}

XGDialog* XGDialog::CreateInit(XGDialog* dialog, XGDialogProc proc, void* userData)
{
    if (!dialog)
        return nullptr;

    // ID 0 would find the dialog itself: only real items take part.
    XGView* defaultItem = dialog->fDefaultID ? dialog->FindViewByID(dialog->fDefaultID) : nullptr;
    XGView* cancelItem = dialog->fCancelID ? dialog->FindViewByID(dialog->fCancelID) : nullptr;
    if (defaultItem && cancelItem && defaultItem != cancelItem
        && defaultItem->GetPos().v == cancelItem->GetPos().v) {
        // Forms put the default button right of the cancel button; it is shown on the left.
        Point defaultPos = defaultItem->GetPos(), defaultSize = defaultItem->GetSize();
        Point cancelPos = cancelItem->GetPos(), cancelSize = cancelItem->GetSize();
        tagRECT toCancel = {cancelPos.h, cancelPos.v, cancelPos.h + defaultSize.h, cancelPos.v + defaultSize.v};
        tagRECT toDefault = {defaultPos.h, defaultPos.v, defaultPos.h + cancelSize.h, defaultPos.v + cancelSize.v};
        defaultItem->SetLocation(toCancel);
        cancelItem->SetLocation(toDefault);
    }

    dialog->fDialogProc = proc;
    dialog->fUserData = userData;

    dialog->fInitializing = true;
    long answer = dialog->SendMessageA(kMsgDialog, kDialogInit, nullptr);
    if (answer == -1)
        answer = 0;
    if (answer == 0 && !dialog->fDone) {
        if (XGView* first = dialog->FindFirstView())
            first->SetFocus();
        if (XGCommandButton* button = dynamic_cast<XGCommandButton*>(defaultItem))
            button->SetDefault(true);
    }
    dialog->fInitializing = false;

    if (dialog->fDone) {
        delete dialog;
        return nullptr;
    }
    return dialog;
}

long XGDialog::ModalDialog(const unsigned char* form, XGDialogProc proc, void* userData)
{
    return ModalRun(Create(form, proc, userData));
}

long XGDialog::ModalRun(XGDialog* dialog)
{
    if (!dialog)
        return 0;
    HWND main = _GMainWindow;
    // Remember whether the main window was already disabled (an outer modal
    // dialog, or this dialog's own owner): only what was enabled comes back.
    bool mainWasEnabled = main && !EnableWindow(main, FALSE);

    // A dialog destroyed from outside ends its loop.
    DeletionWatch watch(dialog);
    dialog->fModal = true;
    XGEventLoop* loop = XGEventLoop::GetLoop();
    while (!watch.Deleted() && !dialog->fDone) {
        dialog->SendMessageA(kMsgDialog, kDialogIdle, nullptr);
        if (watch.Deleted() || dialog->fDone)
            break;
        if (loop) {
            loop->RunOnce(dialog);
        } else {
            // No application object: keep the alert alive with a plain loop.
            MSG message;
            if (GetMessageW(&message, nullptr, 0, 0) <= 0)
                break;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }

    if (mainWasEnabled && IsWindow(main))
        EnableWindow(main, TRUE);
    if (watch.Deleted())
        return 0;
    long result = dialog->fResult;
    delete dialog;
    return result;
}

long XGDialog::ModalAlert(const unsigned char* form, const char* s0, const char* s1,
                          const char* s2, const char* s3)
{
    const char* strings[4] = {s0, s1, s2, s3};
    return ModalDialog(form, AlertProc, strings);
}

long XGDialog::ModalDialog(short resID, XGDialogProc proc, void* userData)
{
    return ModalRun(Create(resID, proc, userData));
}

long XGDialog::ModalAlert(short resID, const char* s0, const char* s1, const char* s2, const char* s3)
{
    const char* strings[4] = {s0, s1, s2, s3};
    return ModalDialog(resID, AlertProc, strings);
}

void XGDialog::ModifyText(char* text, const char* const* strings)
{
    XGDialogText::ModifyText(text, strings);
}

long XGDialog::AlertProc(XGDialog* dialog, void* userData, long msg, long arg, void*)
{
    const char* const* strings = static_cast<const char* const*>(userData);
    if (msg == kMsgDialog && arg == kDialogInit) {
        char text[XGDialogText::kBufferSize];
        for (XGView* child = dialog->GetChild(); child; child = child->GetSibling()) {
            if (dynamic_cast<XGStaticText*>(child)) {
                child->GetTitle(text);
                ModifyText(text, strings);
                child->SetTitle(text);
            }
        }
        dialog->GetTitle(text);
        ModifyText(text, strings);
        dialog->SetTitle(text);
        return -1;  // the default initialisation follows
    }
    if (msg == kMsgControlClick) {
        dialog->EndDialog(arg);
        return 0;
    }
    return -1;
}

void XGDialog::EndDialog(long result)
{
    fDone = true;
    fResult = result;
    if (!fModal && !fInitializing)
        delete this;
}

long XGDialog::SendMessageA(long msg, long arg, void* data)
{
    // Without a procedure the dialog swallows what reaches it, except the
    // requests that only the application carries out (answering those would
    // report them done, to a DDE client say, when nobody did them) and the
    // keys, which its own tables answer: Tab, Enter and Escape work in every
    // dialog.
    if (!fDialogProc) {
        return (msg == kMsgOpenDocument || msg == kMsgPrintDocument || msg == kMsgQuitApplication
                || msg == kMsgKey || msg == kMsgMenuKey)
            ? -1
            : 0;
    }
    return fDialogProc(this, fUserData, msg, arg, data);
}

// A modeless dialog that the procedure ended is already deleted when the
// answer comes back: the message is then handled, and nothing reads the
// dialog or passes the message on from it.
long XGDialog::Dispatch(long msg, long arg, void* data)
{
    DeletionWatch watch(this);
    long answer = SendMessageA(msg, arg, data);
    if (watch.Deleted())
        return answer == -1 ? 0 : answer;
    if (answer == -1 && !fDone)
        answer = XGWindow::Dispatch(msg, arg, data);
    return answer;
}

void XGDialog::PressButton(short id)
{
    if (XGCommandButton* button = dynamic_cast<XGCommandButton*>(FindViewByID(id)))
        button->PushButton();
}

long XGDialog::DoKey(long key, void*)
{
    if (XGIsCharKey(key, kKeyReturn) && fDefaultID != 0) {
        PressButton(fDefaultID);
        return 0;
    }
    if (XGIsExtendedKey(key, kKeyEscape) && fCancelID != 0) {
        PressButton(fCancelID);
        return 0;
    }
    return -1;
}

void XGDialog::DoDrawView(tagRECT area)
{
    XGDraw draw(this);
    draw.Draw3DRect(area, kRectFaceFill);
}

bool XGDialog::CloseWindow()
{
    EndDialog(0);
    return true;
}
