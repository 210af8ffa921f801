#include "dispatch/XGSystemDpi.h"

#include <windows.h>

#include <cstring>


namespace XGSystemDpi {

namespace {

const int kBaseDpi = 96;

int gTestDpi = 0;

// The bounds the layout arithmetic reads a DPI in (XGDpiScale, a floor
// above this one): anything else is taken for 96.
int ClampDpi(long dpi)
{
    return dpi < 48 || dpi > 960 ? kBaseDpi : int(dpi);
}

// Function pointers are copied, not cast: FARPROC has another signature.
template <typename Fn>
Fn Lookup(const wchar_t* module, const char* name, bool load)
{
    HMODULE handle = ::GetModuleHandleW(module);
    if (!handle && load)
        handle = ::LoadLibraryW(module);
    FARPROC proc = handle ? ::GetProcAddress(handle, name) : nullptr;
    Fn fn = nullptr;
    static_assert(sizeof fn == sizeof proc, "a function pointer is a FARPROC's size");
    std::memcpy(&fn, &proc, sizeof fn);
    return fn;
}

typedef HANDLE(WINAPI* ThreadContextFn)();
typedef int(WINAPI* AwarenessFromContextFn)(HANDLE);
typedef BOOL(WINAPI* IsProcessAwareFn)();
typedef UINT(WINAPI* DpiForWindowFn)(HWND);
typedef HRESULT(WINAPI* DpiForMonitorFn)(HMONITOR, int, UINT*, UINT*);
typedef int(WINAPI* MetricsForDpiFn)(int, UINT);

const int kEffectiveDpi = 0;    // MDT_EFFECTIVE_DPI

}  // namespace

Awareness GetAwareness()
{
    static const ThreadContextFn context =
        Lookup<ThreadContextFn>(L"user32.dll", "GetThreadDpiAwarenessContext", false);
    static const AwarenessFromContextFn awareness =
        Lookup<AwarenessFromContextFn>(L"user32.dll", "GetAwarenessFromDpiAwarenessContext", false);
    if (context && awareness) {
        switch (awareness(context())) {
        case kPerMonitorAware:
            return kPerMonitorAware;
        case kSystemAware:
            return kSystemAware;
        default:
            return kUnaware;
        }
    }
    static const IsProcessAwareFn aware = Lookup<IsProcessAwareFn>(L"user32.dll", "IsProcessDPIAware", false);
    return aware && aware() ? kSystemAware : kUnaware;
}

int GetSystemDpi()
{
    // Fixed for the session: the system reads it once at log-on.
    static int known = 0;
    if (known)
        return known;
    HDC screen = ::GetDC(nullptr);
    const int dpi = screen ? ::GetDeviceCaps(screen, LOGPIXELSX) : kBaseDpi;
    if (screen)
        ::ReleaseDC(nullptr, screen);
    known = ClampDpi(dpi);
    return known;
}

int GetDpiForFrame(const tagRECT& frame)
{
    if (gTestDpi)
        return gTestDpi;
    switch (GetAwareness()) {
    case kUnaware:
        return kBaseDpi;
    case kSystemAware:
        return GetSystemDpi();
    default:
        break;
    }
    static const DpiForMonitorFn forMonitor = Lookup<DpiForMonitorFn>(L"shcore.dll", "GetDpiForMonitor", true);
    if (forMonitor) {
        UINT x = 0;
        UINT y = 0;
        HMONITOR monitor = ::MonitorFromRect(&frame, MONITOR_DEFAULTTONEAREST);
        if (monitor && SUCCEEDED(forMonitor(monitor, kEffectiveDpi, &x, &y)) && x)
            return ClampDpi(long(x));
    }
    return GetSystemDpi();
}

int GetDpiForWindow(HWND__* window)
{
    if (gTestDpi)
        return gTestDpi;
    const Awareness awareness = GetAwareness();
    if (awareness == kUnaware)
        return kBaseDpi;
    static const DpiForWindowFn forWindow = Lookup<DpiForWindowFn>(L"user32.dll", "GetDpiForWindow", false);
    if (window && forWindow) {
        if (const UINT dpi = forWindow(window))
            return ClampDpi(long(dpi));
    }
    if (awareness == kSystemAware || !window)
        return GetSystemDpi();
    RECT frame;
    if (!::GetWindowRect(window, &frame))
        return GetSystemDpi();
    return GetDpiForFrame(frame);
}

int GetMetric(int index, int dpi)
{
    static const MetricsForDpiFn forDpi = Lookup<MetricsForDpiFn>(L"user32.dll", "GetSystemMetricsForDpi", false);
    if (forDpi && GetAwareness() == kPerMonitorAware && dpi != GetSystemDpi()) {
        if (const int value = forDpi(index, UINT(dpi)))
            return value;
    }
    return ::GetSystemMetrics(index);
}

void SetTestDpi(int dpi)
{
    gTestDpi = dpi ? ClampDpi(dpi) : 0;
}

}  // namespace XGSystemDpi
