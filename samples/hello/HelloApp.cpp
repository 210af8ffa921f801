#include "HelloApp.h"

#include "dialogs/XGDialog.h"
#include "dispatch/XGMessages.h"
#include "forms/XGWindowFactory.h"

#include <cstdio>
#include <new>

// The framework's WinMain calls this once and runs what it returns.
XGAppCore* StartApplication()
{
    return new (std::nothrow) HelloApp;
}

// long Handler(long arg, void* data); -1 passes the message on.
XG_BEGIN_DISPATCH(HelloApp, XGAppMultiWindow)
    XG_ON(kMsgOpenApplication, DoOpenApplication)
XG_END_DISPATCH()

// No title: a frame-less application whose only window is its own.
HelloApp::HelloApp() : XGAppMultiWindow(nullptr) {}

// No splash window before the first one.
void HelloApp::OpenCopyright() {}

// Started without documents: build the window from its resource.
long HelloApp::DoOpenApplication(long, void*)
{
    auto* dialog = dynamic_cast<XGDialog*>(XGWindowFactory::CreateFromResource(kWindowID, nullptr));
    if (dialog)
        XGDialog::CreateInit(dialog, WindowProc, nullptr);
    return 0;
}

long HelloApp::WindowProc(XGDialog* dialog, void*, long msg, long arg, void*)
{
    static int clicks = 0;
    if (msg == kMsgControlClick && arg == kButtonID) {
        char text[64];
        std::snprintf(text, sizeof text, "Hello, world! (%d)", ++clicks);
        dialog->FindViewByID(kTextID)->SetTitle(text);
        // The title too, where the task bar and scripts see it.
        dialog->SetTitle(text);
        return 0;
    }
    // The program ends with its window.
    if (msg == kMsgDialog && arg == XGDialog::kDialogDestroy)
        PostQuitMessage(0);
    return -1;
}
