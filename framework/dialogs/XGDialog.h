// A dialog-style window with a default button (Enter), a cancel button
// (Escape), an optional procedure supplied by the caller and a result. It
// runs from a 'dlog' tree in the program's resources or from a form in
// memory, modally or not, and serves the framework's alerts.
//
//   // VRES 130: a 'dlog' tree whose texts hold "^0"; buttons 1 and 2.
//   if (XGDialog::ModalAlert(130, fileName) == 1)
//       Save();
#pragma once

#include "foundation/XGErrorAlert.h"
#include "views/XGWindow.h"

class XGDialog;

// Answers -1 when it does not handle the message; anything else is the
// answer of the message.
typedef long (*XGDialogProc)(XGDialog* dialog, void* userData, long msg, long arg, void* data);

class XGDialog : public XGWindow {
public:
    // The 'dmsg' arguments sent to the procedure.
    enum : long { kDialogDestroy = 1, kDialogInit = 2, kDialogIdle = 3 };

    // construction
    XGDialog(XGArgStream& stream, XGForm* form);
    ~XGDialog() override;

    // Builds the window tree of a 'dlog' form in memory and sets it up; null
    // when nothing was built or the procedure ended it while setting up.
    static XGDialog* Create(const unsigned char* form, XGDialogProc proc, void* userData);
    // Sets up a built dialog; Create, ModalDialog and ModalAlert come
    // through here, a 'dlog' built by the window factory alone does not.
    // When the default and the cancel item are two views whose tops are
    // equal (one row), they exchange places: each moves to the other's
    // top-left corner and keeps its own size, whichever side it stood on.
    // Then the procedure gets kDialogInit; unless it answers other than 0
    // or -1, the focus goes to the tab stop with the lowest ID and a default
    // command button gets the default look.
    static XGDialog* CreateInit(XGDialog* dialog, XGDialogProc proc, void* userData);
    static long ModalDialog(const unsigned char* form, XGDialogProc proc, void* userData);
    // Runs until EndDialog; destroys the dialog and answers its result.
    // The main window is disabled meanwhile.
    static long ModalRun(XGDialog* dialog);
    // Fills "^0" to "^3" of the form's texts and title with the strings and
    // answers the view ID of the button that ended it, 0 when closed.
    static long ModalAlert(const unsigned char* form, const char* s0, const char* s1,
                           const char* s2, const char* s3);

    // The same three from the 'dlog' tree of VRES resource resID. A missing
    // resource throws the posted error kErrNoVresResource, which names the
    // ID; a tree that is not a dialog builds nothing (null, or 0). Null
    // strings leave their "^n" empty.
    static XGDialog* Create(short resID, XGDialogProc proc, void* userData);
    static long ModalDialog(short resID, XGDialogProc proc, void* userData);
    static long ModalAlert(short resID, const char* s0 = nullptr, const char* s1 = nullptr,
                           const char* s2 = nullptr, const char* s3 = nullptr);
    // The framework's error alerts, registered with the foundation by this
    // class: a program that has dialogs shows its posted errors in them.
    static void ShowErrorAlert(XGAlertType type, const char* title, const char* message);
    static long AlertProc(XGDialog* dialog, void* userData, long msg, long arg, void* data);
    // text is a 256-byte buffer; strings an array of four.
    static void ModifyText(char* text, const char* const* strings);

    void EndDialog(long result);

    // accessors
    long GetResult() const { return fResult; }
    bool IsDone() const { return fDone; }
    bool IsModal() const { return fModal; }
    short GetDefaultID() const { return fDefaultID; }
    short GetCancelID() const { return fCancelID; }
    void* GetUserData() const { return fUserData; }

    // overridden operations
    XG_DECLARE_DISPATCH(XGDialog)
    void DoDrawView(tagRECT area) override;
    bool CloseWindow() override;

    // message handlers
    // long Dispatch(long msg, long arg, void* data): the procedure first.
    long Dispatch(long msg, long arg, void* data);
    long DoKey(long key, void* data);

private:
    long SendMessageA(long msg, long arg, void* data);
    void PressButton(short id);

    long fResult;
    bool fDone;
    bool fModal;
    void* fUserData;
    XGDialogProc fDialogProc;
    short fDefaultID;
    short fCancelID;
    // Set while CreateInit runs: an EndDialog then must not destroy the
    // dialog under CreateInit's feet.
    bool fInitializing;
};
