#include "BenchStartup.h"

#include <windows.h>

#include <string>

#include "BenchApp.h"

namespace {

const int kSplashPicture = 138;
const double kGiveUpMs = 20000;

struct Search {
    DWORD process;
    HWND found;
};

BOOL CALLBACK FindVisible(HWND window, LPARAM data)
{
    Search* search = reinterpret_cast<Search*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->process && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}

BenchStartup::BenchStartup()
{
    HBITMAP picture = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kSplashPicture));
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, picture);
    for (int i = 0; i < kSamples; ++i) {
        fX[i] = 40 + (i % 3) * 280;
        fY[i] = 30 + (i / 3) * 200;
        fColour[i] = GetPixel(dc, fX[i], fY[i]);
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(picture);
}

double BenchStartup::Measure(const char* program, const char* folder) const
{
    std::string command = std::string("\"") + program + "\"";
    STARTUPINFOA start = {};
    start.cb = sizeof start;
    PROCESS_INFORMATION process = {};
    double began = BenchApp::Now();
    if (!CreateProcessA(program, &command[0], nullptr, nullptr, FALSE, 0, nullptr, folder, &start,
                        &process))
        return -1;
    double took = -1;
    HDC screen = GetDC(nullptr);
    while (BenchApp::Now() - began < kGiveUpMs) {
        Search search = {process.dwProcessId, nullptr};
        EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&search));
        if (search.found) {
            POINT origin = {0, 0};
            ClientToScreen(search.found, &origin);
            int same = 0;
            while (same < kSamples
                   && GetPixel(screen, origin.x + fX[same], origin.y + fY[same]) == fColour[same])
                ++same;
            if (same == kSamples) {
                took = BenchApp::Now() - began;
                break;
            }
        }
        if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0)
            break;
    }
    ReleaseDC(nullptr, screen);
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return took;
}
