#include "ToolbarTestSupport.h"

#include <cstdio>
#include <cstring>

#include "dispatch/XGMenuStatus.h"

namespace toolbartest {

// long Handler(long arg, void* data); -1 passes the message on.
XG_BEGIN_DISPATCH(CommandView, XGView)
    XG_ON('stat', DoStatus)
    XG_ON('menu', DoMenu)
XG_END_DISPATCH()

CommandView::CommandView() : XGView(nullptr, ViewRecord(0, 0, 10, 10)) {}

long CommandView::DoStatus(long command, void* data)
{
    ++fStatusAsks;
    XGMenuStatus* status = static_cast<XGMenuStatus*>(data);
    if (!fEnabled.count(command))
        return -1;
    status->enabled = true;
    status->checked = fChecked.count(command) != 0;
    return 1;
}

long CommandView::DoMenu(long command, void*)
{
    fCommands.push_back(command);
    return 1;
}

void LogView::Log(const char* what, Point where, short modifiers)
{
    char line[64];
    std::snprintf(line, sizeof line, "%s %d,%d %04X", what, where.h, where.v, unsigned(uint16_t(modifiers)));
    fLog.push_back(line);
}

bool LogView::DoMouseDown(Point where, short modifiers)
{
    Log("down", where, modifiers);
    return fAccept;
}

void LogView::DoMouseMove(Point where, short modifiers)
{
    Log("move", where, modifiers);
}

void LogView::DoMouseUp(Point where, short modifiers)
{
    Log("up", where, modifiers);
    if (fHold)
        XGWindow::gHoldCapture = true;
}

void LogView::DoMouseLeave()
{
    fLog.push_back("leave");
    XGView::DoMouseLeave();
}

void StartProcess()
{
    testsupport::StartWindows();
}

TestCore* SharedApplication()
{
    static TestCore* application = new TestCore;
    return application;
}

XGSViewInitRecord ViewRecord(short left, short top, short right, short bottom)
{
    return testsupport::LockedView(5, left, top, right, bottom);
}

XGSWindowInitRecord WindowRecord(short width, short height)
{
    XGSWindowInitRecord r = {};
    r.fWindowType = 'wind';
    r.fWindowKind = 0;
    r.fWindowID = 7;
    r.fShow = true;
    r.fDefWidth = width;
    r.fDefHeight = height;
    std::strcpy(r.fTitle, "Pop-up base");
    return r;
}

}  // namespace toolbartest
