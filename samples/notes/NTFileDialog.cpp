#include "NTFileDialog.h"

#include "dispatch/XGGlobals.h"

#include <cstring>
#include <windows.h>
#include <commdlg.h>

namespace {

const char kFilter[] = "Text files (*.txt)\0*.txt\0All files (*.*)\0*.*\0";

std::string Run(const char* current, bool save)
{
    char path[MAX_PATH] = "";
    if (current)
        lstrcpynA(path, current, sizeof path);
    OPENFILENAMEA request;
    std::memset(&request, 0, sizeof request);
    request.lStructSize = sizeof request;
    request.hwndOwner = _GMainWindow;
    request.lpstrFilter = kFilter;
    request.nFilterIndex = 1;
    request.lpstrFile = path;
    request.nMaxFile = sizeof path;
    request.lpstrDefExt = "txt";
    if (save) {
        request.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
        if (!GetSaveFileNameA(&request))
            return std::string();
    } else {
        request.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
        if (!GetOpenFileNameA(&request))
            return std::string();
    }
    return path;
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
