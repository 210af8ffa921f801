#include "BenchOpen.h"

#include <windows.h>
#include <psapi.h>

#include <cstdio>

#include "BenchApp.h"
#include "NTDiskFile.h"
#include "NTTextView.h"
#include "forms/XGViewTemplate.h"
#include "forms/XGWindowFactory.h"
#include "views/XGWindow.h"

namespace {

enum : short { kNotesTree = 204, kTextID = 1 };

PROCESS_MEMORY_COUNTERS Counters()
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters;
}

std::string TempPath(const char* stem)
{
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    return std::string(folder) + stem + std::to_string(GetCurrentProcessId()) + ".txt";
}

}  // namespace

BenchOpen::BenchOpen(size_t size) : fPath(TempPath("kebo-bench-open-")), fSize(0)
{
    std::string line = "The quick brown fox jumps over the lazy dog; pack my box with f\r\n";
    std::string chunk;
    while (chunk.size() + line.size() <= (1u << 20))
        chunk += line;
    HANDLE file = CreateFileA(fPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    while (fSize + chunk.size() <= size) {
        DWORD put = 0;
        if (!WriteFile(file, chunk.data(), DWORD(chunk.size()), &put, nullptr) || put == 0)
            break;
        fSize += put;
    }
    CloseHandle(file);
}

BenchOpen::~BenchOpen()
{
    DeleteFileA(fPath.c_str());
}

bool BenchOpen::Measure(const char* program, double* milliseconds, double* peakMegabytes) const
{
    std::string result = TempPath("kebo-bench-result-");
    std::string command = std::string("\"") + program + "\" --open-child \"" + fPath + "\" \"" + result + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    bool ok = false;
    if (FILE* in = fopen(result.c_str(), "r")) {
        ok = code == 0 && fscanf(in, "%lf %lf", milliseconds, peakMegabytes) == 2;
        fclose(in);
    }
    DeleteFileA(result.c_str());
    return ok;
}

int BenchOpen::RunChild(BenchApp& app, const char* path, const char* result)
{
    XGViewTemplate<NTTextView>::Register('ntxt');
    XGWindow* window = XGWindowFactory::CreateFromResource(kNotesTree, nullptr);
    auto* view = window ? dynamic_cast<NTTextView*>(window->FindViewByID(kTextID)) : nullptr;
    if (!view)
        return 1;
    app.RunUntilHandled(window->GetHWND());
    SIZE_T before = Counters().WorkingSetSize;
    double start = BenchApp::Now();
    // Notes' own open: the file read and decoded in one block, which the
    // text view then keeps; then the window painted with it.
    XGHandle text(0, 0);
    NTTextFile::LineEnd lineEnd = NTTextFile::kCRLF;
    NTEncoding::Kind encoding = NTEncoding::kUtf8;
    std::string cause;
    if (!NTDiskFile::ReadText(path, text, lineEnd, encoding, cause)) {
        fprintf(stderr, "bench: %s\n", cause.c_str());
        return 1;
    }
    view->LoadText(text);
    app.RunUntilHandled(window->GetHWND());
    RedrawWindow(window->GetHWND(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    double took = BenchApp::Now() - start;
    SIZE_T peak = Counters().PeakWorkingSetSize;
    FILE* out = fopen(result, "w");
    if (!out)
        return 1;
    fprintf(out, "%.3f %.3f\n", took, double(peak > before ? peak - before : 0) / (1024.0 * 1024.0));
    fclose(out);
    window->CloseWindow();
    return 0;
}
