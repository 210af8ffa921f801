#pragma once

// Reads single keys of the launcher's settings file with the Windows profile
// functions. The path is borrowed: the caller keeps it alive.
class HCYProfileInformation {
public:
    // construction
    explicit HCYProfileInformation(char* iniPath);
    virtual ~HCYProfileInformation();

    // operations
    // RetVal must have room for kValueRoom characters. A value that does not
    // fit is not cut (a cut path may name another program): RetVal is left
    // empty and the answer is false.
    bool ReadProfileItem(const char* section, const char* key, char* RetVal);

    static constexpr int kValueRoom = 256;

private:
    char* FilePath;
};
