// Shared pieces of the controls, dialogs and frames tests: record bytes made
// in code, a view that records the messages its children send up, an
// application frame whose quit requests and idle turns tests can watch, and
// pixel reading.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "core/XGAppMultiWindow.h"
#include "records/XGArgStream.h"
#include "views/XGView.h"
#include "views/XGWindow.h"
#include "../support/TestWin32.h"

namespace kebotest {

// The argument bytes of a record, from the class code on, as the factory
// hands them to a constructor (big-endian Integers, Booleans, Strings).
class Args {
public:
    Args& Int(long value);
    Args& Bool(bool value);
    Args& Str(const char* text);
    // The common view fields with left and top locked: the rectangle
    // (left, top)-(right, bottom) in the parent.
    static Args View(long code, short id, short left, short top, short right, short bottom,
                     bool visible = true, bool enabled = true, bool tabStop = false);
    // The stream reads these bytes: keep this object alive while it is used.
    XGArgStream Stream() const& { return XGArgStream(fBytes.data(), long(fBytes.size())); }
    XGArgStream Stream() && = delete;

private:
    std::vector<unsigned char> fBytes;
};

XGSViewInitRecord ViewRecord(short id, short left, short top, short right, short bottom);
XGSWindowInitRecord WindowRecord(short kind, const char* title, short width, short height,
                                 short menuBar = 0);

// Logs "cclk 7", "pval 3", "scrs 9", "sval 9 0>5", "menu 6" for what reaches it.
class Recorder : public XGView {
public:
    XG_DECLARE_DISPATCH(Recorder)
    Recorder(XGView* parent, XGSViewInitRecord& record) : XGView(parent, record) {}
    void DoDrawView(tagRECT) override {}

    long DoClick(long arg, void* data);
    long DoPopValue(long arg, void* data);
    long DoSliderStart(long arg, void* data);
    long DoSliderValue(long arg, void* data);
    long DoMenu(long arg, void* data);
    long DoStatus(long arg, void* data);

    std::vector<std::string> fLog;
    std::vector<long> fEnable;      // commands 'stat' enables and 'menu' carries out
    std::vector<long> fCheck;       // commands 'stat' checks (mark left 0)
};

// A single-document frame (or MDI with a title) that counts quit requests
// instead of quitting and runs a hook on every idle turn of the loop.
class TestApp : public XGAppMultiWindow {
public:
    XG_DECLARE_DISPATCH(TestApp)
    explicit TestApp(const char* title = nullptr) : XGAppMultiWindow(title) {}
    void OpenCopyright() override {}

    long DoQuit(long arg, void* data);
    long DoPeriodic(long arg, void* data);

    int fQuits = 0;
    std::function<void()> fOnIdle;
    XGWindow* EventOwner() const { return fEventOwner; }
};

// Sets the process globals as WinMain does.
void StartProcess();
using testsupport::Pixel;
using testsupport::Pump;

}  // namespace kebotest
