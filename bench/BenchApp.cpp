#include "BenchApp.h"

#include "controls/XGScrollView.h"
#include "forms/XGViewTemplate.h"

BenchApp::BenchApp() : XGAppMultiWindow(nullptr)
{
    XGViewTemplate<XGScrollView>::Register('scrv');
}

bool BenchApp::FilterEvent(void* event)
{
    const MSG* message = static_cast<const MSG*>(event);
    if (message->message == kCounted)
        ++fCounted;
    else if (message->message == kMarker) {
        fMarked = true;
        return true;
    }
    return false;
}

void BenchApp::RunUntilHandled(HWND window)
{
    fMarked = false;
    PostMessageA(window, kMarker, 0, 0);
    while (!fMarked)
        RunOnce(nullptr);
}

void BenchApp::RunUntilCounted(long count)
{
    while (fCounted < count)
        RunOnce(nullptr);
}

void BenchApp::PumpUntilHandled(HWND window)
{
    PostMessageA(window, kMarker, 0, 0);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == kMarker)
            return;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void BenchApp::PumpUntilCounted(long count)
{
    MSG message;
    long seen = 0;
    while (seen < count && GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == kCounted)
            ++seen;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

double BenchApp::Now()
{
    static LARGE_INTEGER frequency = {};
    if (!frequency.QuadPart)
        QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return double(now.QuadPart) * 1000.0 / double(frequency.QuadPart);
}
