#include "files/XGDirectory.h"
#include <windows.h>

#include <cstring>
#include <vector>

#include "foundation/XGWide.h"

XGDirectory XGDirectory::gAppDirectory;

namespace {
const int kModulePathSize = 280;
}

XGDirectory::XGDirectory()
    : fInit(false),
      fSearch(INVALID_HANDLE_VALUE)
{
}

XGDirectory::~XGDirectory()
{
    if (fSearch != INVALID_HANDLE_VALUE)
        FindClose(fSearch);
}

void XGDirectory::InitDirectoryInfo()
{
    gAppDirectory.SetDirectoryInfo();
}

void XGDirectory::SetDirectoryInfo()
{
    // Grown until the whole path fits: a folder in any script may be longer in
    // UTF-8 than MAX_PATH bytes, and a cut path would name another folder.
    std::vector<wchar_t> path(kModulePathSize);
    DWORD length = 0;
    for (;;) {
        length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (length < path.size() || path.size() >= 0x8000)
            break;
        path.resize(path.size() * 2);
    }
    if (length >= path.size())
        length = DWORD(path.size() - 1);
    SetDirectoryFromPath(XGWide::Narrow(path.data(), length).c_str());
}

void XGDirectory::SetDirectoryFromPath(const char* modulePath)
{
    std::vector<char> folder(std::strlen(modulePath) + 1);
    XGFolderOfPath(modulePath, folder.data(), int(folder.size()));
    fPath = folder.data();
    fInit = true;
}
