// Shared pieces of the window tests: an application object that records the
// window notices and document requests, views that log what the mouse and
// keyboard do to them, and records made in code.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/XGAppCore.h"
#include "views/XGView.h"
#include "views/XGWindow.h"
#include "../support/TestWin32.h"

namespace windowstest {

class App : public XGAppCore {
public:
    XG_DECLARE_DISPATCH(App)
    App() = default;
    void OpenCopyright() override {}

    long DoWindowCreate(long arg, void* data);
    long DoWindowDestroy(long arg, void* data);
    long DoWindowName(long arg, void* data);
    long DoMayClose(long arg, void* data);
    long DoOpenDocument(long arg, void* data);
    long DoPrintDocument(long arg, void* data);
    long DoQuit(long arg, void* data);

    std::vector<std::string> fLog;
    long fCloseAnswer = -1;     // what 'pdsw' answers; -1 lets the close happen
    bool fRefuseCreate = false; // 'crew' throws
    bool fFailDestroy = false;  // 'desw' throws a testsupport::CountedError
};

// Logs into one shared list: "down 1 10,10 0000" (event, view ID, local point, modifiers).
class LogView : public XGView {
public:
    LogView(XGView* parent, XGSViewInitRecord& record, std::vector<std::string>* log);

    bool DoMouseDown(Point where, short modifiers) override;
    void DoMouseMove(Point where, short modifiers) override;
    void DoMouseUp(Point where, short modifiers) override;
    void DoMouseEnter(Point where, short modifiers) override;
    void DoMouseLeave() override;
    void GetTitle(char* out) const override;

    bool fAccept = false;       // DoMouseDown answers this
    bool fHold = false;         // DoMouseUp asks to keep the capture
    std::string fTitle;

private:
    void Log(const char* what, Point where, short modifiers);
    std::vector<std::string>* fLogTo;
};

// Records every 'keye' it sees and passes it on.
class KeyView : public XGView {
public:
    XG_DECLARE_DISPATCH(KeyView)
    KeyView(XGView* parent, XGSViewInitRecord& record) : XGView(parent, record) {}
    long DoKey(long key, void* data);
    std::vector<unsigned long> fKeys;
};

XGSWindowInitRecord Window(short kind, short left, short top, short right, short bottom,
                           short defWidth = 0, short defHeight = 0);
XGSViewInitRecord View(short id, short left, short top, short right, short bottom, bool tabStop = false);

// Metrics the window placement is made of.
struct Metrics {
    int frameW, frameH, caption, menu, screenW, screenH;
};
Metrics GetMetrics();

// Every test starts with the process set up, the classes registered and a
// fresh application object holding the focus, and ends with no window left.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    static RECT Frame(XGWindow* window);
    App* fApp = nullptr;
};

}  // namespace windowstest
