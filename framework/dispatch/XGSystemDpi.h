// What the system says of DPI: the process's awareness, the DPI of a screen
// rectangle or of a window, and metrics at a DPI. The functions behind it
// are newer than the headers here and than some systems (Wine 8 stubs a few):
// each is looked up at run time, and where one is missing the answer falls
// back to the screen's LOGPIXELSX and the plain metrics.
#pragma once

struct HWND__;
struct tagRECT;

namespace XGSystemDpi {

// How the thread that makes windows is aware of DPI.
enum Awareness { kUnaware = 0, kSystemAware = 1, kPerMonitorAware = 2 };
Awareness GetAwareness();

// The screen's DPI as a device context reports it.
int GetSystemDpi();

// The DPI a top-level window of this frame (screen coordinates) gets: 96 for
// a process that is not aware, the system's for one aware of the system
// DPI only, the monitor's for a per-monitor aware one.
int GetDpiForFrame(const tagRECT& frame);

// The DPI of an existing window, by the same rule.
int GetDpiForWindow(HWND__* window);

// A GetSystemMetrics value at dpi; the plain value when dpi is the
// system's or the system cannot say.
int GetMetric(int index, int dpi);

// Tests only: a DPI other than 0 stands in for every monitor's and window's,
// as a per-monitor aware process on such a screen would see it (the frame
// metrics stay the process's own); 0 ends it.
void SetTestDpi(int dpi);

}  // namespace XGSystemDpi
