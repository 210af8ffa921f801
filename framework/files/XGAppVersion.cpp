#include "files/XGAppVersion.h"
#include <windows.h>
#include "files/XGVersionInfo.h"

bool XGGetAppVersion(char* buffer, short size)
{
    HRSRC source = FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(16));     // RT_VERSION
    if (!source)
        return false;
    HGLOBAL handle = LoadResource(nullptr, source);
    if (!handle)
        return false;
    const void* data = LockResource(handle);
    if (!data)
        return false;
    bool found = XGFindVersionString(static_cast<const uint8_t*>(data), SizeofResource(nullptr, source),
                                     "FileVersion", buffer, size);
    FreeResource(handle);
    return found;
}
