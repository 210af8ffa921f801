#pragma once
#include <windows.h>
#include "core/dispatch/XGDispatch.h"
#include "core/dispatch/XGGlobals.h"
#include "core/dispatch/XGTime.h"

class XGWindow;
class XGView;
class XGAppCore;

// Supplied by the application: builds its application object with new.
XGAppCore* StartApplication();

// The framework's program entry, called by WinMain: builds the application,
// runs it, deletes it. Not named main, so that the C runtime enters through
// WinMain.
int XGMain();

// The one application object: the event loop, modal turns, quitting and the
// last-resort exception handlers. Always used through a frame subclass.
class XGAppCore : public XGDispatch {
public:
    // construction
    XGAppCore();
    ~XGAppCore() override;

    static XGAppCore* GetApplication() { return gApplication; }

    // the event loop
    // One turn of the loop, modal for the given window when it is not null. A
    // turn run from inside another gives the outer turn its modal window back.
    void RunOnce(XGWindow* modal);
    bool IsModalWindow() const { return GetModalWindow() != nullptr; }
    XGWindow* GetModalWindow() const;
    XGWindow* GetEventOwner() const { return fEventOwner; }
    void SetEventOwner(XGWindow* owner) { fEventOwner = owner; }
    // Called by a window that is going: no turn, running or waiting, may
    // still hand it out.
    void ForgetWindow(XGWindow* window);
    bool GetQuitFlag() const { return fQuitFlag; }

    // overridable, in slot order (after those of XGDispatch)
    XG_DECLARE_DISPATCH(XGAppCore)
    virtual void Run();
    virtual void Exit();
    virtual bool FilterEvent(void* event);
    virtual void ShowCopyright();
    virtual void OpenCopyright();
    virtual void CloseCopyright();

    // message handlers
    long DoGetMenuStatus(long arg, void* data);     // 'stat'
    long DoMenuCommand(long arg, void* data);       // 'menu'
    long DoQuitApplication(long arg, void* data);   // 'qapp'

    // Called inside catch (...): shows the exception in flight the way the
    // event loop does (an XGError through DisplayError, anything else as
    // "Random exception caught"). The window procedures use it too.
    static void ReportException();

    static XGAppCore* gApplication;
    static MSG gLastMessage;
    static short gLastMods;
    static XGView* gCaptureView;

protected:
    XGDispatch* GetParentDispatch() override;

    XGWindow* fEventOwner;
    bool fQuitFlag;
    HANDLE fMutex;

private:
    // The turns in progress, innermost first, each on its RunOnce's stack.
    struct ModalTurn {
        XGWindow* window;
        bool gone;          // its window was destroyed during the turn
        ModalTurn* outer;
    };

    void InitOS();
    void KillOS();
    void RegisterDefaultClasses();
    void GetAppArgs();
    void DoEvent();
    void DoPreEvent();
    void DoPostEvent();
    void AdjustFocus();

    ModalTurn* fModalTurn;
    HWND fCopyrightWindow;
    unsigned long fCopyrightUntil;
    bool fOleReady;     // OleUninitialize only balances a successful OleInitialize
};
