#pragma once

// Reads single keys of the launcher's settings file with the Windows profile
// functions. The path is borrowed: the caller keeps it alive.
class HCYProfileInformation {
public:
    // construction
    explicit HCYProfileInformation(char* iniPath);
    virtual ~HCYProfileInformation();

    // operations
    // RetVal must have room for 256 characters; longer values are cut.
    void ReadProfileItem(const char* section, const char* key, char* RetVal);

private:
    char* FilePath;
};
