#include "dispatch/XGGlobals.h"
#include <cstdio>

HINSTANCE _GInstance = nullptr;
HINSTANCE _GPrevInstance = nullptr;
LPSTR _GArgString = nullptr;
int _GArgShow = 0;

HWND _GMainWindow = nullptr;
HWND _GMDIWindow = nullptr;
HWND _GToolWindow = nullptr;
XGView* _GToolView = nullptr;
XGWindow* _GWindow = nullptr;

char _GWindowClass[kXGClassNameSize];
char _GPopClass[kXGClassNameSize];
char _GMainClass[kXGClassNameSize];
char _GToolClass[kXGClassNameSize];
char _GFrameClass[kXGClassNameSize];
char _GControlClass[kXGClassNameSize];
char _GDlogClass[kXGClassNameSize];
char _GCopyrightClass[kXGClassNameSize];

UINT_PTR GTimerID = 0;

void XGFormatClassNames(HINSTANCE module)
{
    // Eight hexadecimal digits: the low half of the handle on 64-bit builds.
    unsigned long id = static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(module));
    snprintf(_GWindowClass, kXGClassNameSize, "_XGWindow_%08lX", id);
    snprintf(_GPopClass, kXGClassNameSize, "_XGPop_%08lX", id);
    snprintf(_GMainClass, kXGClassNameSize, "_XGMain_%08lX", id);
    snprintf(_GToolClass, kXGClassNameSize, "_XGTool_%08lX", id);
    snprintf(_GFrameClass, kXGClassNameSize, "_XGFrame_%08lX", id);
    snprintf(_GControlClass, kXGClassNameSize, "_XGControl_%08lX", id);
    snprintf(_GDlogClass, kXGClassNameSize, "_XGDialog_%08lX", id);
    snprintf(_GCopyrightClass, kXGClassNameSize, "_XGC_%08lX", id);
}

void XGInitProcess(HINSTANCE instance, HINSTANCE prevInstance, LPSTR argString, int argShow)
{
    _GInstance = instance;
    _GPrevInstance = prevInstance;
    _GArgString = argString;
    _GArgShow = argShow;
    _GMainWindow = nullptr;
    _GMDIWindow = nullptr;
    _GToolWindow = nullptr;
    _GToolView = nullptr;
    XGFormatClassNames(GetModuleHandleW(nullptr));
}
