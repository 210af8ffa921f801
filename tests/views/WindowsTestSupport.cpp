#include <gtest/gtest.h>

#include "WindowsTestSupport.h"

#include <cstdio>
#include <cstring>

#include "files/XGFileSpecifier.h"
#include "foundation/XGPostError.h"

namespace windowstest {

XG_BEGIN_DISPATCH(App, XGAppCore)
    XG_ON('crew', DoWindowCreate)
    XG_ON('desw', DoWindowDestroy)
    XG_ON('namw', DoWindowName)
    XG_ON('pdsw', DoMayClose)
    XG_ON('odoc', DoOpenDocument)
    XG_ON('pdoc', DoPrintDocument)
    XG_ON('qapp', DoQuit)
XG_END_DISPATCH()

namespace {
std::string Notice(const char* what, long id, void* data)
{
    XGWindow* window = *static_cast<XGWindow**>(data);
    char text[64];
    std::snprintf(text, sizeof text, "%s %ld %s", what, id,
                  window && window->GetHWND() ? "hwnd" : "no-hwnd");
    return text;
}
}  // namespace

long App::DoWindowCreate(long arg, void* data)
{
    fLog.push_back(Notice("crew", arg, data));
    if (fRefuseCreate)
        throw XGPostError(kErrOutOfMemory);
    return -1;
}
long App::DoWindowDestroy(long arg, void* data)
{
    fLog.push_back(Notice("desw", arg, data));
    if (fFailDestroy)
        throw testsupport::CountedError();
    return -1;
}
long App::DoWindowName(long arg, void* data) { fLog.push_back(Notice("namw", arg, data)); return -1; }
long App::DoMayClose(long arg, void* data)
{
    fLog.push_back(Notice("pdsw", arg, data));
    return fCloseAnswer;
}
long App::DoOpenDocument(long, void* data)
{
    fLog.push_back(std::string("odoc ") + static_cast<XGFileSpecifier*>(data)->GetPath());
    return 0;
}
long App::DoPrintDocument(long, void* data)
{
    fLog.push_back(std::string("pdoc ") + static_cast<XGFileSpecifier*>(data)->GetPath());
    return 0;
}
long App::DoQuit(long, void*)
{
    fLog.push_back("qapp");
    return 0;
}

LogView::LogView(XGView* parent, XGSViewInitRecord& record, std::vector<std::string>* log)
    : XGView(parent, record), fLogTo(log)
{
}

void LogView::Log(const char* what, Point where, short modifiers)
{
    char text[64];
    std::snprintf(text, sizeof text, "%s %d %d,%d %04X", what, GetViewID(), where.h, where.v,
                  static_cast<unsigned short>(modifiers));
    fLogTo->push_back(text);
}

bool LogView::DoMouseDown(Point where, short modifiers)
{
    Log("down", where, modifiers);
    return fAccept;
}
void LogView::DoMouseMove(Point where, short modifiers) { Log("move", where, modifiers); }
void LogView::DoMouseUp(Point where, short modifiers)
{
    Log("up", where, modifiers);
    if (fHold)
        XGWindow::gHoldCapture = true;
}
void LogView::DoMouseEnter(Point where, short modifiers) { Log("enter", where, modifiers); }
void LogView::DoMouseLeave()
{
    char text[32];
    std::snprintf(text, sizeof text, "leave %d", GetViewID());
    fLogTo->push_back(text);
}
void LogView::GetTitle(char* out) const
{
    std::strncpy(out, fTitle.c_str(), 255);
    out[255] = 0;
}

XG_BEGIN_DISPATCH(KeyView, XGView)
    XG_ON('keye', DoKey)
XG_END_DISPATCH()

long KeyView::DoKey(long key, void*)
{
    fKeys.push_back(static_cast<unsigned long>(key));
    return -1;
}

XGSWindowInitRecord Window(short kind, short left, short top, short right, short bottom,
                           short defWidth, short defHeight)
{
    XGSWindowInitRecord r = {};
    r.fWindowType = 'wind';
    r.fWindowKind = kind;
    r.fWindowID = 7;
    r.fShow = false;
    r.fLeft = left;
    r.fTop = top;
    r.fRight = right;
    r.fBottom = bottom;
    r.fDefWidth = defWidth;
    r.fDefHeight = defHeight;
    std::strcpy(r.fTitle, "Test window");
    return r;
}

XGSViewInitRecord View(short id, short left, short top, short right, short bottom, bool tabStop)
{
    return testsupport::LockedView(id, left, top, right, bottom, tabStop);
}

Metrics GetMetrics()
{
    return Metrics{GetSystemMetrics(SM_CXFRAME), GetSystemMetrics(SM_CYFRAME),
                   GetSystemMetrics(SM_CYCAPTION), GetSystemMetrics(SM_CYMENU),
                   GetSystemMetrics(SM_CXFULLSCREEN), GetSystemMetrics(SM_CYFULLSCREEN)};
}

void WindowTest::SetUp()
{
    testsupport::StartWindows();
    fApp = new App;
    fApp->SetFocus();
}

void WindowTest::TearDown()
{
    while (XGWindow::gList)
        delete XGWindow::gList;
    _GMainWindow = nullptr;
    delete fApp;
    fApp = nullptr;
}

RECT WindowTest::Frame(XGWindow* window)
{
    RECT r = {};
    GetWindowRect(window->GetHWND(), &r);
    return r;
}

}  // namespace windowstest
