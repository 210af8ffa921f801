#include "core/XGAppSingleWindow.h"
#include "core/XGAppMultiWindow.h"
#include "dispatch/XGBroadcast.h"
#include "foundation/XGError.h"
#include "controls/XGMenuBar.h"
#include "dispatch/XGMessages.h"
#include "views/XGWindow.h"
#include "views/XGWindowProc.h"

// long Handler(long arg, void* data); -1 passes the message on.
XG_BEGIN_DISPATCH(XGAppSingleWindow, XGAppCore)
    XG_ON(kMsgWindowCreate, DoWindowCreate)
    XG_ON(kMsgWindowDestroy, DoWindowDestroy)
    XG_ON(kMsgPostEvent, DoPostPeriodic)
XG_END_DISPATCH()

static XGMenuBar* CurrentMenuOfApplication()
{
    XGAppSingleWindow* application = dynamic_cast<XGAppSingleWindow*>(XGAppCore::GetApplication());
    return application ? application->GetCurMenu() : nullptr;
}

XGAppSingleWindow::XGAppSingleWindow() : fAppWindow(nullptr), fAppMenuBar(nullptr)
{
    _GMainWindow = nullptr;
    _GMDIWindow = nullptr;
    if (!_GPrevInstance)
        InitApplication();
    InitInstance();
    XGWindowProc::gCurMenuHook = CurrentMenuOfApplication;
    XGBroadcast::AddBroadcast(this);
}

XGAppSingleWindow::~XGAppSingleWindow()
{
    if (XGWindowProc::gCurMenuHook == CurrentMenuOfApplication)
        XGWindowProc::gCurMenuHook = nullptr;
    // Cleared first: the window's going is no request to quit.
    XGWindow* window = fAppWindow;
    fAppWindow = nullptr;
    delete window;
    delete fAppMenuBar;
    fAppMenuBar = nullptr;
}

void XGAppSingleWindow::InitApplication()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    if (!XGAppMultiWindow::RegisterFrameClass(_GWindowClass, CS_DBLCLKS, _GSingleWindowProc,
                                                          true, false, COLOR_WINDOW, false))
        _InlineError("RegisterClassEx(&wc)", "XGAppSingleWindow", 276);
    if (!XGAppMultiWindow::RegisterFrameClass(_GDlogClass, CS_DBLCLKS, _GSingleWindowProc,
                                              true, false, COLOR_BTNFACE, false))
        _InlineError("RegisterClassEx(&wc)", "XGAppSingleWindow", 290);
}

void XGAppSingleWindow::InitInstance() {}

void XGAppSingleWindow::Run()
{
    if (!fAppWindow)
        throw XGPostError(kErrWindowNotBuilt);
    XGAppCore::Run();
}

XGMenuBar* XGAppSingleWindow::GetCurMenu()
{
    return fAppMenuBar;
}

long XGAppSingleWindow::DoWindowCreate(long, void* data)
{
    XGWindow* window = data ? *static_cast<XGWindow**>(data) : nullptr;
    if (!window || window->GetWindowKind() != kWindowDocument)
        return -1;
    if (fAppWindow)
        throw XGPostError(kErrWindowAlreadyBuilt);
    // Checked before anything is kept: a window whose announcement fails is
    // never built, and nothing may still point at it.
    short menuID = window->GetMenuBarID();
    XG_ASSERT(menuID != -1, "XGAppSingleWindow", 157);
    if (menuID == 0)
        menuID = 128;
    // A bar kept from an earlier main window is replaced, not leaked.
    delete fAppMenuBar;
    fAppMenuBar = new XGMenuBar(window->GetHWND(), false);
    try {
        fAppMenuBar->LoadFromResource(menuID);
    } catch (...) {
        delete fAppMenuBar;
        fAppMenuBar = nullptr;
        throw;
    }
    fAppWindow = window;
    _GMainWindow = window->GetHWND();
    return -1;
}

long XGAppSingleWindow::DoWindowDestroy(long, void* data)
{
    XGWindow* window = data ? *static_cast<XGWindow**>(data) : nullptr;
    if (!window || window->GetWindowKind() != kWindowDocument || window != fAppWindow)
        return -1;
    fAppWindow = nullptr;
    _GMainWindow = nullptr;
    XGDispatch::SendDispatch(kMsgQuitApplication, 0, nullptr);
    return -1;
}

long XGAppSingleWindow::DoPostPeriodic(long, void*)
{
    if (!fAppMenuBar || !fAppWindow)
        return 0;
    short id = fAppWindow->GetMenuBarID();
    if (id == -1)
        return 0;
    if (id == 0)
        id = 128;
    fAppMenuBar->LoadFromResource(id);
    fEventOwner = fAppWindow;
    fAppMenuBar->UpdateMenuBar(XGDispatch::GetFocus());
    fEventOwner = nullptr;
    return 0;
}
