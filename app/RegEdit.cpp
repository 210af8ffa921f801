#include "RegEdit.h"

#include "foundation/XGWide.h"

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
    XGWide keyClass(RegKey);
    if (RegCreateKeyExW(HKEY_CURRENT_USER, XGWide(RegStr), 0, const_cast<wchar_t*>(keyClass.Get()),
                        REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, &hCreated) == ERROR_SUCCESS)
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
    if (RegQueryValueExW(hRegKey, XGWide(name), nullptr, nullptr, reinterpret_cast<BYTE*>(&data), &size)
        == ERROR_SUCCESS)
        *value = static_cast<int>(data);
}
