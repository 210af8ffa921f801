#include "HCYInstallerApp.h"

#include "HCYGetRebootPrivilege.h"
#include "HCYInstallerView.h"
#include "HCYPictureButton.h"
#include "HCYQTInstallerView.h"
#include "XGCheckButton.h"
#include "XGCommandButton.h"
#include "XGDialog.h"
#include "XGListControl.h"
#include "XGPicture.h"
#include "XGPopControl.h"
#include "XGScrollView.h"
#include "XGStaticText.h"
#include "XGViewTemplate.h"
#include "XGWindow.h"
#include "XGWindowFactory.h"
#include "XGWindowTemplate.h"

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
    XG_ON('qapp', DoQuitApplication)
    XG_ON('oapp', DoOpenApplication)
    XG_ON('odoc', DoOpenDocument)
XG_END_DISPATCH()

HCYInstallerApp::HCYInstallerApp()
    : XGAppMultiWindow(nullptr)
    , Reboot(true)
{
    // Codes the core registered already resolve to their first registration;
    // the repeats name the same classes.
    XGViewTemplate<XGScrollView>::Register('scrv');
    XGViewTemplate<XGPicture>::Register('pict');
    XGViewTemplate<HCYInstallerView>::Register('hlp1');
    XGViewTemplate<HCYPictureButton>::Register('ptb1');
    XGViewTemplate<HCYQTInstallerView>::Register('QTIn');
    XGViewTemplate<XGStaticText>::Register('text');
    XGViewTemplate<XGListControl>::Register('list');
    XGViewTemplate<XGPopControl>::Register('popm');
    XGViewTemplate<XGCommandButton>::Register('pbtn');
    XGViewTemplate<XGCheckButton>::Register('chkb');
    XGWindowTemplate<XGDialog>::Register('dlog');
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
    if (XGWindow* window = XGWindowFactory::CreateFromResource(kStartWindowID, nullptr))
        window->SetTitle(kWindowTitle);
}
