#include <memory>
#include <string>
#include "core/XGAppArgs.h"
#include "foundation/XGWide.h"
#include "core/XGAppCore.h"
#include "core/XGAppSingleWindow.h"
#include "foundation/XGError.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE prevInstance, LPSTR /*argString*/, int argShow)
{
    // The ANSI line that WinMain gets has lost every character outside the
    // code page: the arguments come from the UTF-16 line instead.
    static std::string commandLine;
    commandLine = XGWide::Narrow(GetCommandLineW());
    XGInitProcess(instance, prevInstance, const_cast<char*>(XGSkipProgramName(commandLine.c_str())), argShow);
    return XGMain();
}

namespace {

// An alert needs an application object behind it; the failed one is gone.
void DisplayWithoutApplication(const XGError& error)
{
    std::unique_ptr<XGAppSingleWindow> temporary;
    try {
        temporary.reset(new XGAppSingleWindow);
    } catch (...) {
        // Shown without it, through whatever the alert can still do.
    }
    try {
        error.DisplayError();
    } catch (...) {
    }
}

}

int XGMain()
{
    try {
        // Owned here so that an error escaping Run deletes the application
        // before the error is shown: only one application object may exist.
        std::unique_ptr<XGAppCore> app(StartApplication());
        if (!app)
            throw XGPostError(kErrNoApplication);
        app->Run();
    } catch (const XGError& error) {
        DisplayWithoutApplication(error);
    } catch (...) {
        try {
            XGPostError error(kErrRandomException);
            DisplayWithoutApplication(error);
        } catch (...) {
        }
    }
    return 0;
}
