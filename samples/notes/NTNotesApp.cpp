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
#include "controls/XGControlFields.h"
#include "core/XGAppSingleWindow.h"
#include "dispatch/XGMessages.h"
#include "controls/XGPicture.h"
#include "controls/XGScrollView.h"
#include "dispatch/XGMenuStatus.h"
#include "files/XGAppVersion.h"
#include "files/XGFileSpecifier.h"
#include "forms/XGViewTemplate.h"
#include "foundation/XGWide.h"
#include "forms/XGWindowTemplate.h"
#include "views/XGWindow.h"

#include <cstdlib>
#include <memory>
#include <new>

namespace {

// The alert of a second start whose files the running instance did not
// open; the alert needs an application object, and Notes' own would show a
// frame.
void ShowNotHandedOff(const std::string& names, const std::string& cause)
{
    try {
        std::unique_ptr<XGAppSingleWindow> temporary(new XGAppSingleWindow);
        NTAlert::Problem("Cannot Open", ("The running KEBO Notes did not open " + names + ".").c_str(),
                         (cause + ".").c_str());
    } catch (...) {
        MessageBoxW(nullptr, XGWide("The running KEBO Notes did not open " + names + "."), L"Cannot Open",
                    MB_OK | MB_ICONERROR);
    }
}

}  // namespace

XGAppCore* StartApplication()
{
    // A second start hands its files to the first and ends here, before it
    // shows a frame of its own; when they were not all opened it says so,
    // and its exit code too.
    std::string names, cause;
    switch (NTHandOff::ToRunningInstance(_GArgString, names, cause)) {
    case NTHandOff::kHandedOff:
        std::exit(0);
    case NTHandOff::kNotOpened:
        ShowNotHandedOff(names, cause);
        std::exit(1);
    case NTHandOff::kNoInstance:
        break;
    }
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
    XGViewTemplate<XGScrollView>::Register(kClassScrollView);
    XGViewTemplate<XGPicture>::Register(kClassPicture);
    XGViewTemplate<XGCheckButton>::Register(kClassCheckButton);
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
    // A DDE "open" that opened nothing is acknowledged negatively.
    return NTDocWindow::Open(path.empty() ? file->GetPath() : path.c_str()) ? 0 : -1;
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
    SendMessageW(_GMainWindow, WM_SIZE, 0, 0);
}

// Every changed document is asked about before any window closes, so that a
// Cancel keeps them all open; then the windows close. However the quit ends,
// no document that stays is left to be closed without asking.
long NTNotesApp::DoQuitApplication(long, void*)
{
    // Passed on, the framework's handler refuses it too: nothing is asked
    // inside a modal loop, and a DDE "exit" is acknowledged negatively.
    if (!MayStartQuit())
        return -1;
    QuitScope quitting(this);
    long answer = NTDocWindow::MayQuit() ? CloseAllWindows() : -1;
    NTDocWindow::KeepChanges();
    return answer == 0 ? 0 : kQuitRefused;
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
        title += " - ";
        // A document's own title is taken whole: the window's title comes
        // back through a buffer of fixed size, too small for a long name in
        // a script of several bytes a character.
        if (auto* document = dynamic_cast<NTDocWindow*>(front)) {
            title += document->GetTitleText();
        } else {
            char name[256];
            front->GetTitle(name);
            title += name;
        }
    }
    if (title == fFrameTitle)
        return;
    fFrameTitle = title;
    SetWindowTextW(_GMainWindow, XGWide(title));
}
