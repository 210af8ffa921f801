#include "HCYInstallerApp.h"
#include "foundation/XGKeys.h"

#include "HCYGetRebootPrivilege.h"
#include "HCYInstallerView.h"
#include "HCYPictureButton.h"
#include "HCYQTInstallerView.h"
#include "controls/XGCheckButton.h"
#include "controls/XGCommandButton.h"
#include "controls/XGControlFields.h"
#include "dialogs/XGDialog.h"
#include "dialogs/XGDialogFields.h"
#include "controls/XGListControl.h"
#include "dispatch/XGMessages.h"
#include "controls/XGPicture.h"
#include "controls/XGPopControl.h"
#include "controls/XGScrollView.h"
#include "controls/XGStaticText.h"
#include "forms/XGViewTemplate.h"
#include "views/XGWindow.h"
#include "forms/XGWindowFactory.h"
#include "views/XGWindowProc.h"
#include "forms/XGWindowTemplate.h"

#include <new>

namespace {
const char kWindowTitle[] = "Halcyra  International";
}

XGAppCore* StartApplication()
{
    return new (std::nothrow) HCYInstallerApp;
}

// long Handler(long arg, void* data); -1 passes the message on.
XG_BEGIN_DISPATCH(HCYInstallerApp, XGAppMultiWindow)
    XG_ON(kMsgQuitApplication, DoQuitApplication)
    XG_ON(kMsgOpenApplication, DoOpenApplication)
    XG_ON(kMsgOpenDocument, DoOpenDocument)
XG_END_DISPATCH()

HCYInstallerApp::HCYInstallerApp()
    : XGAppMultiWindow(nullptr)
    , Reboot(true)
{
    // Codes the core registered already resolve to their first registration;
    // the repeats name the same classes.
    XGViewTemplate<XGScrollView>::Register(kClassScrollView);
    XGViewTemplate<XGPicture>::Register(kClassPicture);
    XGViewTemplate<HCYInstallerView>::Register('hlp1');
    XGViewTemplate<HCYPictureButton>::Register('ptb1');
    XGViewTemplate<HCYQTInstallerView>::Register('QTIn');
    XGViewTemplate<XGStaticText>::Register(kClassStaticText);
    XGViewTemplate<XGListControl>::Register(kClassListControl);
    XGViewTemplate<XGPopControl>::Register(kClassPopControl);
    XGViewTemplate<XGCommandButton>::Register(kClassPushButton);
    XGViewTemplate<XGCheckButton>::Register(kClassCheckButton);
    XGWindowTemplate<XGDialog>::Register(kClassDialog);
}

HCYInstallerApp::~HCYInstallerApp()
{
    // The launcher's last act: the installers it started may need to restart
    // the machine. It never does so itself.
    HCYGetRebootPrivilege privilege;
}

void HCYInstallerApp::OpenCopyright()
{
}

long HCYInstallerApp::DoQuitApplication(long, void*)
{
    // Only the quit message ends the launcher; answering here keeps the
    // framework's own handler from closing the windows.
    return 0;
}

long HCYInstallerApp::DoOpenApplication(long, void*)
{
    NewWindow();
    return 0;
}

long HCYInstallerApp::DoOpenDocument(long, void*)
{
    // The launcher has no documents. Started with arguments (an autorun entry
    // may add some), it still shows its start window, once, rather than
    // running with no window that the user could close.
    if (!XGWindow::gList)
        NewWindow();
    return 0;
}

void HCYInstallerApp::NewWindow()
{
    XGWindow* window = XGWindowFactory::CreateFromResource(kStartWindowID, nullptr);
    // The keys go to the window whichever of its views has the focus, or none.
    if (auto* dialog = dynamic_cast<XGDialog*>(window))
        window = XGDialog::CreateInit(dialog, StartWindowProc, nullptr);
    if (window)
        window->SetTitle(kWindowTitle);
}

long HCYInstallerApp::StartWindowProc(XGDialog* dialog, void*, long msg, long arg, void*)
{
    if (msg != kMsgKey)
        return -1;
    short buttonID;
    if (XGIsCharKey(arg, kKeyReturn))
        buttonID = HCYPictureButton::kInstall;
    else if (XGIsExtendedKey(arg, kKeyEscape))
        buttonID = HCYPictureButton::kExit;
    else
        return -1;

    // A held key repeats; like a click, it acts once.
    const MSG& last = XGAppCore::gLastMessage;
    if ((last.message == WM_KEYDOWN || last.message == WM_CHAR) && (last.lParam & (1L << 30)))
        return 0;
    // The buttons are hidden until the splash is over: no key acts before.
    auto* button = dynamic_cast<HCYPictureButton*>(dialog->FindViewByID(buttonID));
    if (!button || !button->IsVisible() || !button->IsEnabled())
        return -1;
    button->RunAction();
    return 0;
}
