#include "files/XGDirectory.h"
#include <windows.h>

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
    char path[kModulePathSize];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof(path));
    // A path cut at the buffer's end has no terminator on older systems.
    if (length >= sizeof(path))
        length = sizeof(path) - 1;
    path[length] = 0;
    SetDirectoryFromPath(path);
}

void XGDirectory::SetDirectoryFromPath(const char* modulePath)
{
    char folder[kModulePathSize];
    XGFolderOfPath(modulePath, folder, sizeof(folder));
    fPath = folder;
    fInit = true;
}
