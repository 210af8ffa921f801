#include "HCYProfileInformation.h"

#include <windows.h>

HCYProfileInformation::HCYProfileInformation(char* iniPath)
    : FilePath(iniPath)
{
}

HCYProfileInformation::~HCYProfileInformation() = default;

void HCYProfileInformation::ReadProfileItem(const char* section, const char* key, char* RetVal)
{
    GetPrivateProfileStringA(section, key, "", RetVal, 256, FilePath);
}
