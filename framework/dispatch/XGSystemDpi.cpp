#include "dispatch/XGSystemDpi.h"

#include <windows.h>

#include <cstring>
#include <string>


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

typedef BOOL(WINAPI* QuerySettingsFn)(DWORD, HANDLE, const wchar_t*, const wchar_t*, wchar_t*, SIZE_T, SIZE_T*);

enum Declared { kDeclaredUnknown, kDeclaredUnaware, kDeclaredAware };

// The first word of a setting's value, lower case, blanks trimmed.
std::wstring FirstWord(const wchar_t* value)
{
    std::wstring word;
    const wchar_t* p = value;
    while (*p == L' ' || *p == L'\t')
        ++p;
    for (; *p && *p != L','; ++p) {
        if (*p != L' ' && *p != L'\t')
            word += wchar_t(*p >= L'A' && *p <= L'Z' ? *p - L'A' + L'a' : *p);
    }
    return word;
}

// What the program's manifest says about DPI. Windows answers the same as
// the manifest; Wine 8 answers "per-monitor aware" for every program,
// whatever its manifest says, and would have the launcher laid out at a
// scale its pictures are not drawn at. The manifest is the program's word.
Declared ReadManifest()
{
    static const QuerySettingsFn query = Lookup<QuerySettingsFn>(L"kernel32.dll", "QueryActCtxSettingsW", false);
    if (!query)
        return kDeclaredUnknown;
    wchar_t value[128];
    SIZE_T written = 0;
    if (query(0, nullptr, L"http://schemas.microsoft.com/SMI/2016/WindowsSettings", L"dpiAwareness", value,
              sizeof value / sizeof value[0], &written)) {
        // A list: the first the system knows counts.
        const wchar_t* p = value;
        while (*p) {
            const std::wstring word = FirstWord(p);
            if (word == L"permonitorv2" || word == L"permonitor" || word == L"system")
                return kDeclaredAware;
            if (word == L"unaware" || word == L"gdiscaling")
                return kDeclaredUnaware;
            while (*p && *p != L',')
                ++p;
            if (*p == L',')
                ++p;
        }
    }
    written = 0;
    if (query(0, nullptr, L"http://schemas.microsoft.com/SMI/2005/WindowsSettings", L"dpiAware", value,
              sizeof value / sizeof value[0], &written)) {
        const std::wstring word = FirstWord(value);
        if (word == L"true" || word == L"true/pm" || word == L"permonitor")
            return kDeclaredAware;
    }
    return kDeclaredUnaware;
}

}  // namespace

Awareness GetAwareness()
{
    static const Declared declared = ReadManifest();
    if (declared == kDeclaredUnaware)
        return kUnaware;

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
    if (forDpi && !gTestDpi && GetAwareness() == kPerMonitorAware && dpi != GetSystemDpi()) {
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
