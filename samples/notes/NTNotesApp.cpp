#include "NTNotesApp.h"

#include "NTAlert.h"
#include "NTCommands.h"
#include "NTDiskFile.h"
#include "NTDocWindow.h"
#include "NTFileDialog.h"
#include "NTGalleryWindow.h"
#include "NTHandOff.h"
#include "NTScrollBar.h"
#include "NTTextView.h"
#include "controls/XGCheckButton.h"
#include "core/dispatch/XGMessages.h"
#include "controls/XGPicture.h"
#include "controls/XGScrollView.h"
#include "core/dispatch/XGMenuStatus.h"
#include "files/XGAppVersion.h"
#include "files/XGFileSpecifier.h"
#include "forms/XGViewTemplate.h"
#include "forms/XGWindowTemplate.h"
#include "views/XGWindow.h"

#include <cstdlib>
#include <new>

XGAppCore* StartApplication()
{
    // A second start hands its files to the first and ends here, before it
    // shows a frame of its own.
    if (NTHandOff::ToRunningInstance(_GArgString))
        std::exit(0);
    return new (std::nothrow) NTNotesApp;
}

// long Handler(long arg, void* data); -1 passes the message on.
XG_BEGIN_DISPATCH(NTNotesApp, XGAppMultiWindow)
    XG_ON(kMsgOpenApplication, DoOpenApplication)
    XG_ON(kMsgOpenDocument, DoOpenDocument)
    XG_ON(kMsgGetMenuStatus, DoGetMenuStatus)
    XG_ON(kMsgMenuCommand, DoMenuCommand)
    XG_ON(kMsgPostEvent, DoPostPeriodic)
    XG_ON(kMsgQuitApplication, DoQuitApplication)
XG_END_DISPATCH()

NTNotesApp::NTNotesApp()
    : XGAppMultiWindow(kTitle), fHiddenToolBar(nullptr), fFrameTitle(kTitle)
{
    // The framework registers the rest of the codes the trees use.
    XGViewTemplate<XGScrollView>::Register('scrv');
    XGViewTemplate<XGPicture>::Register('pict');
    XGViewTemplate<XGCheckButton>::Register('chkb');
    XGViewTemplate<NTTextView>::Register('ntxt');
    XGViewTemplate<NTScrollBar>::Register('nbar');
    XGWindowTemplate<NTDocWindow>::Register('ndoc');
    XGWindowTemplate<NTGalleryWindow>::Register('ngal');
    NTHandOff::Serve();
}

NTNotesApp::~NTNotesApp() = default;

// No splash: the frame is the first thing the user sees.
void NTNotesApp::OpenCopyright()
{
}

long NTNotesApp::DoOpenApplication(long, void*)
{
    NTDocWindow::New();
    return 0;
}

long NTNotesApp::DoOpenDocument(long, void* data)
{
    const XGFileSpecifier* file = static_cast<const XGFileSpecifier*>(data);
    if (!file || !file->GetPath())
        return -1;
    std::string path = NTDiskFile::FullPath(file->GetPath());
    NTDocWindow::Open(path.empty() ? file->GetPath() : path.c_str());
    return 0;
}

long NTNotesApp::DoGetMenuStatus(long arg, void* data)
{
    XGMenuStatus* status = static_cast<XGMenuStatus*>(data);
    if (!status || IsModalWindow())
        return -1;
    switch (arg) {
    case kCmdNew:
    case kCmdOpen:
    case kCmdGallery:
    case kCmdAbout:
        status->enabled = true;
        return 0;
    case kCmdToolBar:
        status->enabled = _GToolWindow || fHiddenToolBar;
        status->checked = _GToolWindow != nullptr;
        return 0;
    default:
        return -1;
    }
}

long NTNotesApp::DoMenuCommand(long arg, void*)
{
    if (IsModalWindow())
        return -1;
    switch (arg) {
    case kCmdNew:
        NTDocWindow::New();
        return 0;
    case kCmdOpen: {
        std::string path = NTFileDialog::AskOpen();
        if (!path.empty())
            NTDocWindow::Open(path.c_str());
        return 0;
    }
    case kCmdGallery:
        NTGalleryWindow::Show();
        return 0;
    case kCmdAbout:
        ShowAbout();
        return 0;
    case kCmdToolBar:
        ShowToolBar(!_GToolWindow);
        return 0;
    default:
        return -1;
    }
}

void NTNotesApp::ShowAbout()
{
    char version[64] = "unknown";
    XGGetAppVersion(version, sizeof version);
    NTAlert::Run(NTAlert::kAbout, version);
}

void NTNotesApp::ShowToolBar(bool shown)
{
    if (shown && fHiddenToolBar) {
        _GToolWindow = fHiddenToolBar;
        fHiddenToolBar = nullptr;
        ShowWindow(_GToolWindow, SW_SHOW);
    } else if (!shown && _GToolWindow) {
        fHiddenToolBar = _GToolWindow;
        _GToolWindow = nullptr;
        ShowWindow(fHiddenToolBar, SW_HIDE);
    } else {
        return;
    }
    // The frame lays out the strip and its client again.
    SendMessageA(_GMainWindow, WM_SIZE, 0, 0);
}

// Every changed document is asked about before any window closes, so that a
// Cancel keeps them all open; then the framework closes the windows.
long NTNotesApp::DoQuitApplication(long, void*)
{
    return NTDocWindow::MayQuit() ? -1 : 0;
}

long NTNotesApp::DoPostPeriodic(long, void*)
{
    UpdateFrameTitle();
    return -1;
}

// "KEBO Notes - name *": the front document's title, change mark included,
// also where the system shows the frame's title (the task bar).
void NTNotesApp::UpdateFrameTitle()
{
    if (!_GMainWindow)
        return;
    std::string title = kTitle;
    XGWindow* front = XGWindow::GetFrontWindow();
    // A maximised child's title is added to the frame's by the system.
    if (front && front->GetHWND() && !IsZoomed(front->GetHWND()) && IsListed(front)) {
        char name[256];
        front->GetTitle(name);
        title += " - ";
        title += name;
    }
    if (title == fFrameTitle)
        return;
    fFrameTitle = title;
    SetWindowTextA(_GMainWindow, title.c_str());
}
