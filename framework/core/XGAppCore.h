#pragma once
#include <windows.h>
#include "dispatch/XGEventLoop.h"
#include "dispatch/XGGlobals.h"
#include "dispatch/XGTime.h"

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
    // Whether a quit may begin now. Not inside a modal loop (a modal turn of
    // this loop, or a system dialog that disabled the frame), whose windows
    // a quit would delete under it, nor inside another quit.
    bool MayStartQuit() const;

    // overridable, in slot order (after those of XGDispatch)
    XG_DECLARE_DISPATCH(XGAppCore)
    virtual void Run();
    virtual void Exit();
    virtual bool FilterEvent(void* event);
    virtual void ShowCopyright();
    virtual void OpenCopyright();
    virtual void CloseCopyright();

    // message handlers
    // The commands answered here, outside a modal loop: 1 About (the splash
    // bitmap 128 until a click or a key), 2 Close (the front window's
    // CloseWindow), 3 Quit ('qapp'). 1 and 3 are always enabled, 2 while
    // there is a front window. Any other command is the application's, and
    // a menu item nobody enables stays greyed.
    long DoGetMenuStatus(long arg, void* data);     // 'stat'
    long DoMenuCommand(long arg, void* data);       // 'menu'
    long DoQuitApplication(long arg, void* data);   // 'qapp'

    static XGAppCore* gApplication;
    static MSG gLastMessage;

protected:
    XGDispatch* GetParentDispatch() override;
    void RunTurn() override;

    // Held while a quit runs, so that one requested meanwhile is refused.
    class QuitScope {
    public:
        explicit QuitScope(XGAppCore* app) : fApp(app) { fApp->fQuitting = true; }
        ~QuitScope() { fApp->fQuitting = false; }
        QuitScope(const QuitScope&) = delete;
        QuitScope& operator=(const QuitScope&) = delete;
    private:
        XGAppCore* fApp;
    };
    // Closes every window and ends the loop: 0, or -1 when a window refused
    // (the windows before it are gone).
    long CloseAllWindows();

    bool fQuitFlag;
    bool fQuitting;
    HANDLE fMutex;

private:
    void InitOS();
    void KillOS();
    void RegisterDefaultClasses();
    void GetAppArgs();
    void DoEvent();
    // Gives the view under the pointer its leave when the pointer is no
    // longer over its window nor over a pop-up of it.
    void CheckMouseLeave();
    bool MayHaveLeft(const MSG& message) const;
    void DoPreEvent();
    void DoPostEvent();
    void AdjustFocus();

    HWND fCopyrightWindow;
    unsigned long fCopyrightUntil;
    bool fOleReady;     // OleUninitialize only balances a successful OleInitialize
    // The window the pointer was last found over (null after a leave) and
    // where the pointer was then.
    HWND fLeaveCheckedHWND;
    POINT fLeaveCheckedPoint;
};
