#pragma once
#include <windows.h>

class XGView;
class XGWindow;

// Process-wide state filled by the entry point (and by the frames for the
// window handles); read everywhere.
extern HINSTANCE _GInstance;
extern HINSTANCE _GPrevInstance;
extern LPSTR _GArgString;
extern int _GArgShow;

extern HWND _GMainWindow;      // MDI frame, or the single main window
extern HWND _GMDIWindow;       // MDI client
extern HWND _GToolWindow;      // tool bar strip
extern XGView* _GToolView;
extern XGWindow* _GWindow;     // the window under construction, until its handle is known

// Window-class names carry the module handle so that two programs built on
// the framework never share a class. Formatted once by the entry point.
enum { kXGClassNameSize = 32 };
extern char _GWindowClass[kXGClassNameSize];     // also the property marking a framework window
extern char _GPopClass[kXGClassNameSize];
extern char _GMainClass[kXGClassNameSize];
extern char _GToolClass[kXGClassNameSize];
extern char _GFrameClass[kXGClassNameSize];
extern char _GControlClass[kXGClassNameSize];    // the property linking a native control to its view
extern char _GDlogClass[kXGClassNameSize];
extern char _GCopyrightClass[kXGClassNameSize];

extern UINT_PTR GTimerID;

// Formats the eight class names from a module handle.
void XGFormatClassNames(HINSTANCE module);

// What WinMain does before it hands over to XGMain: stores its arguments,
// clears the frame's window handles and formats the class names from the
// running program's module. Tests that run without WinMain call it first.
void XGInitProcess(HINSTANCE instance, HINSTANCE prevInstance, LPSTR argString, int argShow);
