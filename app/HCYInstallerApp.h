#pragma once

#include "core/XGAppMultiWindow.h"

class XGDialog;

// The launcher's application object: a single-document frame that binds the
// launcher's class codes, opens the start window (VRES 128) and leaves the
// ending of the program to the quit message.
class HCYInstallerApp : public XGAppMultiWindow {
public:
    // construction
    HCYInstallerApp();
    ~HCYInstallerApp() override;

    // overridden operations of XGAppMultiWindow, in slot order
    XG_DECLARE_DISPATCH(HCYInstallerApp)
    void OpenCopyright() override;

    // message handlers
    long DoQuitApplication(long arg, void* data);  // 'qapp'
    long DoOpenApplication(long arg, void* data);  // 'oapp'
    long DoOpenDocument(long arg, void* data);     // 'odoc'

    // The start window's own procedure: after the splash, Enter does what a
    // click on Install does and Escape what a click on Exit does.
    static long StartWindowProc(XGDialog* dialog, void* userData, long msg, long arg, void* data);

    static constexpr short kStartWindowID = 128;

    bool Reboot;

private:
    void NewWindow();
};
