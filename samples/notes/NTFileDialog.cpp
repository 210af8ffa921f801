#include "NTFileDialog.h"

#include "dispatch/XGGlobals.h"
#include "foundation/XGWide.h"

#include <cstring>
#include <windows.h>
#include <commdlg.h>

namespace {

const wchar_t kFilter[] = L"Text files (*.txt)\0*.txt\0All files (*.*)\0*.*\0";

std::string Run(const char* current, bool save)
{
    // Room for the longest path the system's dialog hands back.
    wchar_t path[MAX_PATH] = L"";
    if (current) {
        XGWide wide(current);
        // A name that does not fit whole is not offered cut.
        if (wide.Length() < MAX_PATH)
            lstrcpynW(path, wide, MAX_PATH);
    }
    OPENFILENAMEW request;
    std::memset(&request, 0, sizeof request);
    request.lStructSize = sizeof request;
    request.hwndOwner = _GMainWindow;
    request.lpstrFilter = kFilter;
    request.nFilterIndex = 1;
    request.lpstrFile = path;
    request.nMaxFile = MAX_PATH;
    request.lpstrDefExt = L"txt";
    if (save) {
        request.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
        if (!GetSaveFileNameW(&request))
            return std::string();
    } else {
        request.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
        if (!GetOpenFileNameW(&request))
            return std::string();
    }
    return XGWide::Narrow(path);
}

}  // namespace

std::string NTFileDialog::AskOpen()
{
    return Run(nullptr, false);
}

std::string NTFileDialog::AskSave(const char* current)
{
    return Run(current, true);
}
