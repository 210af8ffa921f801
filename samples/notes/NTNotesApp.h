#pragma once

#include <string>

#include "core/XGAppMultiWindow.h"

// KEBO Notes' application object: a multiple-document frame titled after the
// front document. It binds the sample's class codes, opens documents from
// the command line and from DDE "open" requests, and answers the commands
// that need no document: New, Open, About, the tool bar and the gallery.
class NTNotesApp : public XGAppMultiWindow {
public:
    // construction
    NTNotesApp();
    ~NTNotesApp() override;

    static constexpr const char* kTitle = "KEBO Notes";
    // The answer to a quit that did not happen; -1 would pass it on to the
    // framework's handler, which would close the windows.
    static constexpr long kQuitRefused = 1;

    // overridden operations of XGAppMultiWindow, in slot order
    XG_DECLARE_DISPATCH(NTNotesApp)
    void OpenCopyright() override;

    // message handlers
    long DoOpenApplication(long arg, void* data);  // 'oapp'
    long DoOpenDocument(long arg, void* data);     // 'odoc'
    long DoGetMenuStatus(long arg, void* data);    // 'stat'
    long DoMenuCommand(long arg, void* data);      // 'menu'
    long DoPostPeriodic(long arg, void* data);     // 'post'
    long DoQuitApplication(long arg, void* data);  // 'qapp'

private:
    void ShowAbout();
    void ShowToolBar(bool shown);
    void UpdateFrameTitle();

    // The tool bar strip while it is hidden. The frame lays the strip out
    // whenever _GToolWindow names one, shown or not, so a hidden strip is
    // kept here instead and the frame sees none.
    HWND fHiddenToolBar;
    std::string fFrameTitle;
};
