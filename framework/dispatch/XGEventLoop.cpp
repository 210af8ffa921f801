#include "dispatch/XGEventLoop.h"

#include "foundation/XGError.h"
#include "foundation/XGPostError.h"

XGEventLoop* XGEventLoop::gLoop = nullptr;
short XGEventLoop::gLastMods = 0;
XGView* XGEventLoop::gCaptureView = nullptr;

XGEventLoop::XGEventLoop() : fEventOwner(nullptr), fModalTurn(nullptr)
{
    // A second application fails in its own constructor; the first stays the loop.
    if (!gLoop)
        gLoop = this;
    gLastMods = 0;
}

XGEventLoop::~XGEventLoop()
{
    if (gLoop == this)
        gLoop = nullptr;
}

void XGEventLoop::RunOnce(XGWindow* modal)
{
    ModalTurn turn = {modal, false, fModalTurn};
    fModalTurn = &turn;
    try {
        RunTurn();
    } catch (...) {
        ReportException();
    }
    fModalTurn = turn.outer;
}

void XGEventLoop::RunTurn()
{
}

// A turn whose window was destroyed is modal for its outer turn's window:
// an alert closed over a dialog leaves the dialog modal, not the menu bar live.
XGWindow* XGEventLoop::GetModalWindow() const
{
    for (const ModalTurn* turn = fModalTurn; turn; turn = turn->outer) {
        if (!turn->gone)
            return turn->window;
    }
    return nullptr;
}

bool XGEventLoop::IsInsideModalTurn() const
{
    for (const ModalTurn* turn = fModalTurn; turn; turn = turn->outer) {
        if (turn->window || turn->gone)
            return true;
    }
    return false;
}

void XGEventLoop::ForgetWindow(XGWindow* window)
{
    if (!window)
        return;
    for (ModalTurn* turn = fModalTurn; turn; turn = turn->outer) {
        if (turn->window == window) {
            turn->window = nullptr;
            turn->gone = true;
        }
    }
    if (fEventOwner == window)
        fEventOwner = nullptr;
}

void XGEventLoop::ForgetView(const XGView* view)
{
    if (view && gCaptureView == view)
        gCaptureView = nullptr;
}

void XGEventLoop::ReportException()
{
    // Showing an error runs a modal alert that may itself fail; nothing may
    // leave the loop's handlers.
    try {
        try {
            throw;
        } catch (const XGError& error) {
            error.DisplayError();
        } catch (...) {
            Error(kErrRandomException);
        }
    } catch (...) {
    }
}
