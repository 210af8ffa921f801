// What the end-to-end DPI tests ask of the system from outside the program
// under test: a separate, DPI-aware process (so that nothing it reads is
// scaled for it).
//
//   dpi_probe dpi
//       the DPI a DPI-aware process of this prefix gets (the LogPixels the
//       test set took effect)
//   dpi_probe client TITLE
//       the client size of the visible top-level window titled TITLE
//   dpi_probe dpichanged TITLE DPI
//       sends WM_DPICHANGED to that window, as the system does when it moves
//       to a screen of DPI: the suggested frame keeps the window's top left
//       and scales its size from the window's DPI; prints that rectangle
//
// Exit status 0 on success, 1 when the window is not found or the message
// could not be sent, 2 for a wrong command line.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Not declared with the headers' Windows XP target.
const UINT kWmDpiChanged = 0x02E0;

void BecomeDpiAware()
{
    using SetAwareFn = BOOL(WINAPI*)();
    if (HMODULE user = GetModuleHandleW(L"user32.dll")) {
        auto setAware = reinterpret_cast<SetAwareFn>(
            reinterpret_cast<void*>(GetProcAddress(user, "SetProcessDPIAware")));
        if (setAware)
            setAware();
    }
}

int ScreenDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

// The window's own DPI where the system can say, the screen's otherwise.
int WindowDpi(HWND window)
{
    using GetDpiFn = UINT(WINAPI*)(HWND);
    if (HMODULE user = GetModuleHandleW(L"user32.dll")) {
        auto getDpi = reinterpret_cast<GetDpiFn>(reinterpret_cast<void*>(GetProcAddress(user, "GetDpiForWindow")));
        if (getDpi) {
            const UINT dpi = getDpi(window);
            if (dpi >= 48)
                return int(dpi);
        }
    }
    return ScreenDpi();
}

HWND FindTopLevel(const char* title)
{
    for (int i = 0; i < 50; ++i) {
        HWND found = FindWindowA(nullptr, title);
        if (found && IsWindowVisible(found))
            return found;
        Sleep(100);
    }
    return nullptr;
}

int Usage()
{
    std::fputs("usage: dpi_probe dpi | client TITLE | dpichanged TITLE DPI\n", stderr);
    return 2;
}

// The suggested rectangle lives in the receiver's address space, as the
// system's own does: a pointer into this process would mean nothing there.
int SendDpiChanged(HWND window, int dpi)
{
    RECT frame;
    GetWindowRect(window, &frame);
    const int oldDpi = WindowDpi(window);
    RECT suggested = frame;
    suggested.right = frame.left + MulDiv(frame.right - frame.left, dpi, oldDpi);
    suggested.bottom = frame.top + MulDiv(frame.bottom - frame.top, dpi, oldDpi);
    DWORD processID = 0;
    GetWindowThreadProcessId(window, &processID);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processID);
    if (!process) {
        std::puts("cannot open the window's process");
        return 1;
    }
    void* remote = VirtualAllocEx(process, nullptr, sizeof suggested, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    SIZE_T written = 0;
    if (!remote || !WriteProcessMemory(process, remote, &suggested, sizeof suggested, &written)) {
        std::puts("cannot write the suggested rectangle");
        CloseHandle(process);
        return 1;
    }
    DWORD_PTR answer = 0;
    const LRESULT sent = SendMessageTimeoutW(window, kWmDpiChanged, MAKEWPARAM(dpi, dpi),
                                             reinterpret_cast<LPARAM>(remote), SMTO_NORMAL, 5000, &answer);
    // The window has read the rectangle by the time the call returns.
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    std::printf("%d %d %ld %ld %ld %ld\n", oldDpi, dpi, long(suggested.left), long(suggested.top),
                long(suggested.right - suggested.left), long(suggested.bottom - suggested.top));
    return sent ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    BecomeDpiAware();
    if (argc < 2)
        return Usage();
    const std::string command = argv[1];
    if (command == "dpi") {
        std::printf("%d\n", ScreenDpi());
        return 0;
    }
    if (argc < 3)
        return Usage();
    HWND window = FindTopLevel(argv[2]);
    if (!window) {
        std::puts("no window");
        return 1;
    }
    if (command == "client") {
        RECT client;
        GetClientRect(window, &client);
        std::printf("%ld %ld\n", long(client.right), long(client.bottom));
        return 0;
    }
    if (command == "dpichanged" && argc >= 4)
        return SendDpiChanged(window, std::atoi(argv[3]));
    return Usage();
}
