#include "RegEdit.h"

RegEdit::RegEdit(const char* RegStr, const char* RegKey)
{
    OpenKey(RegStr, RegKey);
}

RegEdit::~RegEdit()
{
    if (hRegKey)
        RegCloseKey(hRegKey);
}

void RegEdit::OpenKey(const char* RegStr, const char* RegKey)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, RegStr, 0, const_cast<char*>(RegKey), REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, &hCreated) == ERROR_SUCCESS)
        hRegKey = key;
}

void RegEdit::ReadValue(const char* name, int* value)
{
    if (!hRegKey)
        return;
    // Query into a copy of the preset: a value longer than four bytes fails
    // without touching the caller's int.
    DWORD data = static_cast<DWORD>(*value);
    DWORD size = sizeof(data);
    if (RegQueryValueExA(hRegKey, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&data), &size) == ERROR_SUCCESS)
        *value = static_cast<int>(data);
}
