#pragma once
#include <functional>
#include <string>
#include <vector>
#include "core/XGAppCore.h"

// An application object for tests: no splash, and every message the loop
// sends to the focus chain can be watched or answered by the test.
class TestApp : public XGAppCore {
public:
    XG_DECLARE_DISPATCH(TestApp)

    TestApp();

    void OpenCopyright() override {}
    void DoGainFocus() override { ++fGainFocus; }

    long DoOpenApplication(long arg, void* data);
    long DoOpenDocument(long arg, void* data);
    long DoPeriodic(long arg, void* data);
    long DoRawEvent(long arg, void* data);
    long DoMayClose(long arg, void* data);

    // What arrived.
    int fOpenApplication = 0;
    std::vector<std::string> fDocuments;
    int fPeriodic = 0;
    int fGainFocus = 0;
    std::vector<MSG> fEvents;
    std::vector<short> fCloseAsked;     // window IDs, one per 'pdsw'
    long fCloseAnswer = -1;             // 0 refuses the close

    // What to do: called on each 'peri' with its count; the 'even' answer.
    std::function<void()> fOnOpen;
    std::function<void(int)> fOnPeriodic;
    std::function<long(const MSG&)> fOnEvent;
};

// Sets up the process globals as WinMain would, with the given command line,
// and registers the native classes framework windows are made in.
void StartTestProcess(const char* commandLine = "");

// A shown top-level framework window without views.
XGWindow* MakeTestWindow(short id);
