#pragma once
#include <windows.h>
#include "core/dispatch/XGEventLoop.h"
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

// The one application object: the event loop, quitting and the last-resort
// exception handlers. Always used through a frame subclass.
class XGAppCore : public XGEventLoop {
public:
    // construction
    XGAppCore();
    ~XGAppCore() override;

    static XGAppCore* GetApplication() { return gApplication; }

    // the event loop: its turns, event owner, capture and modifier word are
    // XGEventLoop's
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

    static XGAppCore* gApplication;
    static MSG gLastMessage;

protected:
    XGDispatch* GetParentDispatch() override;
    void RunTurn() override;

    bool fQuitFlag;
    HANDLE fMutex;

private:
    void InitOS();
    void KillOS();
    void RegisterDefaultClasses();
    void GetAppArgs();
    void DoEvent();
    void DoPreEvent();
    void DoPostEvent();
    void AdjustFocus();

    HWND fCopyrightWindow;
    unsigned long fCopyrightUntil;
    bool fOleReady;     // OleUninitialize only balances a successful OleInitialize
};
