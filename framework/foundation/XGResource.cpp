#include <windows.h>
#include "foundation/XGResource.h"

bool GetResourceMessage(int16_t resID, int16_t index, char* title, char* message)
{
    // Resource type names compare without regard to case: "EMsg" finds the EMSG table.
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(uint16_t(resID)), L"EMsg");
    if (!found)
        return false;
    HGLOBAL loaded = LoadResource(module, found);
    if (!loaded)
        return false;
    bool ok = ReadResourceMessage(LockResource(loaded), SizeofResource(module, found), index, title, message);
    FreeResource(loaded);
    return ok;
}
