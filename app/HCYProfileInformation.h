#pragma once

// Reads single keys of the launcher's settings file with the Windows profile
// functions, which read it in the system's ANSI code page, or as UTF-16 LE or
// UTF-8 after a byte order mark. The path is borrowed (UTF-8): the caller
// keeps it alive.
class HCYProfileInformation {
public:
    // construction
    explicit HCYProfileInformation(char* iniPath);
    virtual ~HCYProfileInformation();

    enum Reading {
        kRead,          // RetVal holds the value (empty when missing)
        kTooLong,       // the value does not fit kValueRoom characters
        kNotValid       // the value's bytes are not text in the file's encoding
    };

    // operations
    // RetVal (UTF-8) must have room for kValueBytes bytes. A value that does
    // not fit is not cut (a cut path may name another program), and one whose
    // bytes are not valid in the file's encoding is not taken in the form the
    // system would make of it (a replacement character, or a look-alike that
    // may name a neighbour's file): RetVal is left empty then.
    Reading ReadProfileItem(const char* section, const char* key, char* RetVal);

    // In characters as the system counts them (UTF-16 units).
    static constexpr int kValueRoom = 256;
    // The UTF-8 form of kValueRoom units: at most three bytes a unit.
    static constexpr int kValueBytes = kValueRoom * 3;

private:
    char* FilePath;
};
