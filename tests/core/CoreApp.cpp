// A small framework program: it starts through WinMain, shows the splash,
// turns its event loop five times and quits by posting the quit message. When
// the command line names a file it writes what it saw there at the end.
// Started with "--no-application <file>" it makes no application object and
// writes the title of the error that the entry then showed.
#include <cstdio>
#include <cstring>
#include <string>
#include "core/XGAppCore.h"
#include "files/XGAppVersion.h"
#include "foundation/XGError.h"
#include "files/XGFileSpecifier.h"

namespace {

const char kNoApplication[] = "--no-application ";

// Written after WinMain has returned, when the runtime ends the program.
struct EntryReport {
    std::string file;
    ~EntryReport()
    {
        if (file.empty())
            return;
        if (FILE* out = fopen(file.c_str(), "w")) {
            fprintf(out, "title=%s\n", XGPostError::gSMessage);
            fclose(out);
        }
    }
} gEntryReport;

}

class CoreApp : public XGAppCore {
public:
    XG_DECLARE_DISPATCH(CoreApp)

    ~CoreApp() override
    {
        if (fReport.empty())
            return;
        char version[32] = "";
        XGGetAppVersion(version, sizeof(version));
        if (FILE* file = fopen(fReport.c_str(), "w")) {
            fprintf(file, "turns=%d open=%d version=%s\n", fTurns, fOpenApplication, version);
            fclose(file);
        }
    }

    long DoOpenApplication(long, void*)
    {
        ++fOpenApplication;
        return 0;
    }

    long DoOpenDocument(long, void* data)
    {
        fReport = static_cast<XGFileSpecifier*>(data)->GetPath();
        return 0;
    }

    long DoPeriodic(long, void*)
    {
        if (++fTurns == 5)
            PostQuitMessage(0);
        return 0;
    }

private:
    std::string fReport;
    int fTurns = 0;
    int fOpenApplication = 0;
};

// long Handler(long arg, void* data); -1 passes the message on.
XG_BEGIN_DISPATCH(CoreApp, XGAppCore)
    XG_ON('oapp', DoOpenApplication)
    XG_ON('odoc', DoOpenDocument)
    XG_ON('peri', DoPeriodic)
XG_END_DISPATCH()

XGAppCore* StartApplication()
{
    if (_GArgString && strncmp(_GArgString, kNoApplication, strlen(kNoApplication)) == 0) {
        gEntryReport.file = _GArgString + strlen(kNoApplication);
        return nullptr;
    }
    return new CoreApp;
}
