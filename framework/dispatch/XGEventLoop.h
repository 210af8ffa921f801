#pragma once
#include "dispatch/XGDispatch.h"

class XGView;
class XGWindow;

// The state of the event loop that the window layer reads and keeps: the
// modal turns in progress, the window that owns the event being handled, the
// one mouse capture and the last modifier word. The application object is the
// loop; the work of a turn is its own (RunTurn).
class XGEventLoop : public XGDispatch {
public:
    XGEventLoop();
    ~XGEventLoop() override;

    // The running application's loop, or null when there is none.
    static XGEventLoop* GetLoop() { return gLoop; }

    // One turn of the loop, modal for the given window when it is not null. A
    // turn run from inside another gives the outer turn its modal window back.
    void RunOnce(XGWindow* modal);
    bool IsModalWindow() const { return GetModalWindow() != nullptr; }
    XGWindow* GetModalWindow() const;
    // True while any modal turn runs, also one whose window is gone: the
    // loop that started it still holds what it was modal for.
    bool IsInsideModalTurn() const;
    XGWindow* GetEventOwner() const { return fEventOwner; }
    void SetEventOwner(XGWindow* owner) { fEventOwner = owner; }
    // Called by a window that is going: no turn, running or waiting, may
    // still hand it out, nor may the event owner.
    void ForgetWindow(XGWindow* window);

    // Called by a view that is going: a dead capture view would receive the
    // rest of the gesture.
    static void ForgetView(const XGView* view);

    // Called inside catch (...): shows the exception in flight the way the
    // event loop does (an XGError through DisplayError, anything else as
    // "Random exception caught"). The window procedures use it too.
    static void ReportException();

    // The modifier word last read from the keyboard state.
    static short gLastMods;
    // The view that accepted the press of the mouse gesture in progress;
    // none between gestures. Held without an application object as well.
    static XGView* gCaptureView;

protected:
    // The work of one turn: wait for an event and handle it. What it throws
    // is shown by RunOnce.
    virtual void RunTurn();

    XGWindow* fEventOwner;

private:
    // The turns in progress, innermost first, each on its RunOnce's stack.
    struct ModalTurn {
        XGWindow* window;
        bool gone;          // its window was destroyed during the turn
        ModalTurn* outer;
    };

    ModalTurn* fModalTurn;

    static XGEventLoop* gLoop;
};
