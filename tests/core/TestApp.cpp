#include "TestApp.h"
#include <cstring>
#include "files/XGFileSpecifier.h"
#include "views/XGWindow.h"
#include "../support/TestWin32.h"

// long Handler(long arg, void* data); -1 passes the message on.
XG_BEGIN_DISPATCH(TestApp, XGAppCore)
    XG_ON('oapp', DoOpenApplication)
    XG_ON('odoc', DoOpenDocument)
    XG_ON('peri', DoPeriodic)
    XG_ON('even', DoRawEvent)
    XG_ON('pdsw', DoMayClose)
XG_END_DISPATCH()

TestApp::TestApp()
{
}

long TestApp::DoOpenApplication(long, void*)
{
    ++fOpenApplication;
    if (fOnOpen)
        fOnOpen();
    return 0;
}

long TestApp::DoOpenDocument(long, void* data)
{
    fDocuments.push_back(static_cast<XGFileSpecifier*>(data)->GetPath());
    return 0;
}

long TestApp::DoPeriodic(long, void*)
{
    ++fPeriodic;
    if (fOnPeriodic)
        fOnPeriodic(fPeriodic);
    return 0;
}

long TestApp::DoRawEvent(long, void* data)
{
    const MSG& message = *static_cast<MSG*>(data);
    fEvents.push_back(message);
    return fOnEvent ? fOnEvent(message) : -1;
}

long TestApp::DoMayClose(long arg, void*)
{
    fCloseAsked.push_back(short(arg));
    return fCloseAnswer;
}

void StartTestProcess(const char* commandLine)
{
    static std::string line;
    line = commandLine;
    XGInitProcess(GetModuleHandleA(nullptr), nullptr, &line[0], SW_SHOWNORMAL);
    testsupport::RegisterWindowClasses();
}

XGWindow* MakeTestWindow(short id)
{
    XGSWindowInitRecord record = {};
    record.fWindowType = 'wind';
    record.fWindowKind = 0;
    record.fWindowID = id;
    record.fShow = true;
    record.fLeft = 20;
    record.fTop = 20;
    record.fRight = 220;
    record.fBottom = 120;
    strcpy(record.fTitle, "Core test window");
    return new XGWindow(record, nullptr);
}
