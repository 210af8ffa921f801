#pragma once

#include <windows.h>

// One registry key under HKEY_CURRENT_USER, created if missing and kept open
// for the object's lifetime.
class RegEdit {
public:
    // construction
    RegEdit(const char* RegStr, const char* RegKey);
    virtual ~RegEdit();

    // operations
    void OpenKey(const char* RegStr, const char* RegKey);
    // Leaves *value as the caller preset it when the value or the key is missing.
    void ReadValue(const char* name, int* value);

private:
    HKEY hRegKey = nullptr;
    DWORD hCreated = 0;
};
