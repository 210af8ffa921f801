// Shows the three built-in alerts one after the other and saves a picture of
// the screen around each as alert-<title>.bmp in the current folder, so that
// they can be looked at. Not a test: run it under a Wine virtual desktop.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "../controls/KeboTestSupport.h"
#include "XGError.h"

using namespace kebotest;

namespace {

void SaveScreen(const RECT& r, const std::string& path)
{
    int width = r.right - r.left, height = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    DWORD stride = DWORD((width * 3 + 3) & ~3);
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + stride * DWORD(height);
    if (FILE* out = std::fopen(path.c_str(), "wb")) {
        std::fwrite(&file, sizeof file, 1, out);
        std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out);
        std::fwrite(bits, stride, size_t(height), out);
        std::fclose(out);
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

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
            SaveScreen(r, std::string("alert-") + name + ".bmp");
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
