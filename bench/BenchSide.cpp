#include "BenchSide.h"

#include <windows.h>

#include "BenchApp.h"

double BenchSide::Char(char c)
{
    return Input(WM_CHAR, (unsigned char)c, 1);
}

double BenchSide::Key(unsigned vk)
{
    return Input(WM_KEYDOWN, vk, 1, WM_KEYUP);
}

double BenchSide::Input(unsigned message, unsigned long long wParam, long long lParam, unsigned release)
{
    FocusEdit();
    PlacePointer(InputTarget());
    // What the activation invalidated is painted before the clock starts:
    // the sides take turns, so each turn reactivates its window, which a
    // user typing into one window does not pay for each key.
    Settle();
    // Wine keeps a window's drawing in memory and hands it to the display
    // when the thread next waits: the activation's paint would otherwise
    // reach the screen inside the timed input, at its first GetMessage.
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT);
    HWND target = InputTarget();
    double start = BenchApp::Now();
    PostMessageA(target, message, WPARAM(wParam), LPARAM(lParam));
    if (release == WM_KEYUP)
        PostMessageA(target, release, WPARAM(wParam), LPARAM(0xC0000001));
    else if (release)
        PostMessageA(target, release, 0, LPARAM(lParam));
    Settle();
    return BenchApp::Now() - start;
}

void BenchSide::PlacePointer(HWND window)
{
    POINT target = {GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2};
    if (fPointerOver) {
        RECT client;
        GetClientRect(window, &client);
        target = POINT{(client.left + client.right) / 2, (client.top + client.bottom) / 2};
        ClientToScreen(window, &target);
    }
    SetCursorPos(target.x, target.y);
    // The move comes once from the server and again, a moment later, from
    // the display's own pointer event; both are handled before any timing.
    for (int round = 0; round < 2; ++round) {
        if (round)
            Sleep(5);
        for (int k = 0; k < 50 && (HIWORD(GetQueueStatus(QS_MOUSE)) & QS_MOUSE); ++k)
            PumpOne();
    }
}
