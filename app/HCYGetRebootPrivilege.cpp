#include "HCYGetRebootPrivilege.h"

#include <windows.h>

HCYGetRebootPrivilege::HCYGetRebootPrivilege()
{
    // Failures are deliberately not reported; the token handle stays open for
    // the rest of the process.
    static HANDLE hToken;
    static TOKEN_PRIVILEGES tp;
    static LUID luid;

    OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &hToken);
    LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &luid);
    tp.PrivilegeCount = 1;
    tp.Privileges[0].Luid = luid;
    tp.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    AdjustTokenPrivileges(hToken, FALSE, &tp, sizeof(tp), nullptr, nullptr);
}

HCYGetRebootPrivilege::~HCYGetRebootPrivilege() = default;
