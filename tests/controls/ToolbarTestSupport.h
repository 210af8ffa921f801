// Shared pieces of the tool bar and pop-up window tests: an application
// object, a view that answers the menu status and records menu commands, a
// view that logs the mouse, and pixel reading.
#pragma once

#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "core/XGAppCore.h"
#include "views/XGView.h"
#include "views/XGWindow.h"
#include "../support/TestWin32.h"

namespace toolbartest {

class TestCore : public XGAppCore {
public:
    void OpenCopyright() override {}
};

// Holds the focus: enables the commands in fEnabled (checking those in
// fChecked too) and logs every 'menu' it receives.
class CommandView : public XGView {
public:
    XG_DECLARE_DISPATCH(CommandView)
    CommandView();
    long DoStatus(long command, void* data);
    long DoMenu(long command, void* data);

    std::set<long> fEnabled;
    std::set<long> fChecked;
    std::vector<long> fCommands;
    int fStatusAsks = 0;
};

// Logs "down 25,36 1000" (event, local point, modifiers in hex).
class LogView : public XGView {
public:
    LogView(XGView* parent, const XGSViewInitRecord& record) : XGView(parent, record) {}
    bool DoMouseDown(Point where, short modifiers) override;
    void DoMouseMove(Point where, short modifiers) override;
    void DoMouseUp(Point where, short modifiers) override;
    void DoMouseLeave() override;
    void DoDrawView(tagRECT) override {}

    bool fAccept = true;
    bool fHold = false;
    std::vector<std::string> fLog;

private:
    void Log(const char* what, Point where, short modifiers);
};

void StartProcess();
// One application object for the whole test program: making one is slow.
TestCore* SharedApplication();
using testsupport::Pixel;
using testsupport::Pump;
XGSViewInitRecord ViewRecord(short left, short top, short right, short bottom);
XGSWindowInitRecord WindowRecord(short width, short height);

}  // namespace toolbartest
