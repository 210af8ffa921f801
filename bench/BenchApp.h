// The benchmarks' application object, a single-window frame like the launcher's:
// the framework's own event loop, run
// until a marker message posted after the work comes through, and a count of
// the benchmark's own posted messages as an application's event filter sees
// them.
#pragma once

#include <windows.h>

#include "core/XGAppMultiWindow.h"

class BenchApp : public XGAppMultiWindow {
public:
    static const UINT kCounted = WM_APP + 1;
    static const UINT kMarker = WM_APP + 2;

    // Registers the scroll view, which the framework leaves to applications.
    BenchApp();
    void OpenCopyright() override {}
    bool FilterEvent(void* event) override;

    // Runs the loop until everything posted to window before now is handled.
    void RunUntilHandled(HWND window);
    // Runs the loop until count of kCounted have come through.
    void RunUntilCounted(long count);
    void ResetCount() { fCounted = 0; }

    // The same two things with a plain GetMessage loop, for the raw side.
    static void PumpUntilHandled(HWND window);
    static void PumpUntilCounted(long count);

    // Milliseconds from a fixed start, to a fraction of a microsecond.
    static double Now();

private:
    long fCounted = 0;
    bool fMarked = false;
};
