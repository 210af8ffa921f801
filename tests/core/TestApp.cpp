#include "TestApp.h"
#include "XGFileSpecifier.h"

// long Handler(long arg, void* data); -1 passes the message on.
XG_BEGIN_DISPATCH(TestApp, XGAppCore)
    XG_ON('oapp', DoOpenApplication)
    XG_ON('odoc', DoOpenDocument)
    XG_ON('peri', DoPeriodic)
    XG_ON('even', DoRawEvent)
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

void StartTestProcess(const char* commandLine)
{
    static std::string line;
    line = commandLine;
    XGInitProcess(GetModuleHandleA(nullptr), nullptr, &line[0], SW_SHOWNORMAL);
}
