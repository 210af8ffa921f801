// Shows the three built-in alerts one after the other and saves a picture of
// the screen around each as alert-<title>.bmp in the current folder, so that
// they can be looked at. Not a test: run it under a Wine virtual desktop.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "../controls/KeboTestSupport.h"
#include "foundation/XGError.h"

using namespace kebotest;

namespace {

void Show(TestApp& app, XGPostError error, XGAlertType type, const char* name)
{
    error.SetAlertType(type);
    int turn = 0;
    app.fOnIdle = [&] {
        XGWindow* front = XGWindow::GetFrontWindow();
        if (!front)
            return;
        ++turn;
        if (turn == 20) {
            RECT r;
            GetWindowRect(front->GetHWND(), &r);
            InflateRect(&r, 20, 20);
            testsupport::SaveScreen(r, (std::string("alert-") + name + ".bmp").c_str());
        }
        if (turn == 22)
            PostMessageA(front->GetHWND(), WM_CHAR, VK_RETURN, 0);
    };
    error.DisplayError();
    app.fOnIdle = nullptr;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    StartProcess();
    TestApp app;
    app.SetFocus();
    Show(app, XGPostError(kErrWindowNotBuilt), kAlertError, "Error");
    Show(app, XGPostError(kErrFileOverwrite, "setup.ini"), kAlertCaution, "Caution");
    Show(app, XGPostError(kErrNoViewFactory, 'zzzz'), kAlertWarning, "Warning");
    return 0;
}
