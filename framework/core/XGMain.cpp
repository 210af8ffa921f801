#include <memory>
#include "XGAppCore.h"
#include "XGError.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE prevInstance, LPSTR argString, int argShow)
{
    XGInitProcess(instance, prevInstance, argString, argShow);
    return XGMain();
}

int XGMain()
{
    try {
        // Owned here so that an error escaping Run still deletes the
        // application before the error is shown: only one may exist.
        std::unique_ptr<XGAppCore> app(StartApplication());
        if (!app)
            throw XGPostError(kErrNoApplication);
        app->Run();
    } catch (const XGError& error) {
        // FIXME: shown through a temporary XGAppSingleWindow once the frames
        // exist, so that the alert has an application object behind it.
        error.DisplayError();
    } catch (...) {
        Error(kErrRandomException);
    }
    return 0;
}
