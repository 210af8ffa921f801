#include "KeboTestSupport.h"
#include "controls/XGScrollBar.h"
#include "dispatch/XGMenuStatus.h"
#include <algorithm>
#include <cstdio>
#include <cstring>

namespace kebotest {

Args& Args::Int(long value)
{
    uint32_t v = uint32_t(value);
    for (int shift = 24; shift >= 0; shift -= 8)
        fBytes.push_back(static_cast<unsigned char>(v >> shift));
    return *this;
}

Args& Args::Bool(bool value)
{
    fBytes.push_back(value ? 0xFF : 0);
    fBytes.push_back(value ? 0xFF : 0);
    return *this;
}

Args& Args::Str(const char* text)
{
    size_t length = std::strlen(text);
    fBytes.push_back(static_cast<unsigned char>(length));
    fBytes.insert(fBytes.end(), text, text + length);
    if (length % 2 == 0)
        fBytes.push_back(0);
    return *this;
}

Args Args::View(long code, short id, short left, short top, short right, short bottom,
                bool visible, bool enabled, bool tabStop)
{
    Args a;
    a.Int(code).Int(id).Int(0);
    a.Bool(true).Bool(true).Bool(false).Bool(false);
    a.Int(left).Int(top).Int(right).Int(bottom);
    a.Bool(visible).Bool(enabled).Bool(tabStop);
    return a;
}

XGSViewInitRecord ViewRecord(short id, short left, short top, short right, short bottom)
{
    return testsupport::LockedView(id, left, top, right, bottom);
}

XGSWindowInitRecord WindowRecord(short kind, const char* title, short width, short height, short menuBar)
{
    XGSWindowInitRecord r = {};
    r.fWindowType = 'wind';
    r.fWindowKind = kind;
    r.fShow = true;
    r.fLeft = 40;
    r.fTop = 60;
    r.fRight = short(40 + width);
    r.fBottom = short(60 + height);
    std::snprintf(r.fTitle, sizeof r.fTitle, "%s", title);
    r.fMenuBar = menuBar;
    return r;
}

// long Handler(long arg, void* data); -1 passes the message on.
XG_BEGIN_DISPATCH(Recorder, XGView)
    XG_ON('cclk', DoClick)
    XG_ON('pval', DoPopValue)
    XG_ON('scrs', DoSliderStart)
    XG_ON('sval', DoSliderValue)
    XG_ON('menu', DoMenu)
    XG_ON('stat', DoStatus)
XG_END_DISPATCH()

static std::string Line(const char* what, long arg)
{
    return std::string(what) + " " + std::to_string(arg);
}

long Recorder::DoClick(long arg, void*)
{
    fLog.push_back(Line("cclk", arg));
    return 0;
}

long Recorder::DoPopValue(long arg, void*)
{
    fLog.push_back(Line("pval", arg));
    return 0;
}

long Recorder::DoSliderStart(long arg, void*)
{
    fLog.push_back(Line("scrs", arg));
    return 0;
}

long Recorder::DoSliderValue(long arg, void* data)
{
    const XGScrollValueRecord* r = static_cast<const XGScrollValueRecord*>(data);
    fLog.push_back(Line("sval", arg) + " " + std::to_string(r->oldValue) + ">" + std::to_string(r->newValue));
    return 0;
}

long Recorder::DoMenu(long arg, void*)
{
    fLog.push_back(Line("menu", arg));
    return std::find(fEnable.begin(), fEnable.end(), arg) != fEnable.end() ? 0 : -1;
}

long Recorder::DoStatus(long arg, void* data)
{
    XGMenuStatus* status = static_cast<XGMenuStatus*>(data);
    bool handled = false;
    if (std::find(fEnable.begin(), fEnable.end(), arg) != fEnable.end()) {
        status->enabled = true;
        handled = true;
    }
    if (std::find(fCheck.begin(), fCheck.end(), arg) != fCheck.end()) {
        status->checked = true;
        status->mark = 0;
        handled = true;
    }
    return handled ? 0 : -1;
}

// long Handler(long arg, void* data); -1 passes the message on.
XG_BEGIN_DISPATCH(TestApp, XGAppMultiWindow)
    XG_ON('qapp', DoQuit)
    XG_ON('peri', DoPeriodic)
XG_END_DISPATCH()

long TestApp::DoQuit(long, void*)
{
    ++fQuits;
    return 0;
}

long TestApp::DoPeriodic(long, void*)
{
    // A copy: the hook may replace itself while it runs (nested modal loops).
    std::function<void()> hook = fOnIdle;
    if (hook)
        hook();
    return -1;
}

void StartProcess()
{
    testsupport::InitProcess();
}

}  // namespace kebotest
