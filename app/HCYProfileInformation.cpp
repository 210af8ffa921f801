#include "HCYProfileInformation.h"

#include <cstring>
#include <windows.h>

HCYProfileInformation::HCYProfileInformation(char* iniPath)
    : FilePath(iniPath)
{
}

HCYProfileInformation::~HCYProfileInformation() = default;

bool HCYProfileInformation::ReadProfileItem(const char* section, const char* key, char* RetVal)
{
    // One character more than the caller's room: a value that fills it was cut.
    char value[kValueRoom + 1];
    DWORD length = GetPrivateProfileStringA(section, key, "", value, sizeof(value), FilePath);
    if (length >= static_cast<DWORD>(kValueRoom)) {
        RetVal[0] = 0;
        return false;
    }
    std::memcpy(RetVal, value, length + 1);
    return true;
}
