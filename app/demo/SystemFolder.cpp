// Prints the folder where a file this program opens as "<system folder>\name"
// really lives. The demo and test scripts ask it where QuickTime.qts belongs:
// a 32-bit program on 64-bit Windows is shown system32 by GetSystemDirectory,
// but its file access there is redirected to syswow64.
#include <windows.h>

#include <cstdio>

int main()
{
    char folder[MAX_PATH + 1];
    UINT length = GetSystemDirectoryA(folder, sizeof folder);
    BOOL redirected = FALSE;
    if (IsWow64Process(GetCurrentProcess(), &redirected) && redirected)
        length = GetSystemWow64DirectoryA(folder, sizeof folder);
    if (length == 0 || length >= sizeof folder)
        return 1;
    std::printf("%s\n", folder);
    return 0;
}
