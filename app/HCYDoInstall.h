#pragma once

#include <cstdint>

#include "HCYProfileInformation.h"

// Codes of the launcher's own messages, EMSG 200: resource number in the high
// half, entry index in the low half.
enum : uint32_t {
    kHCYErrNoExtension = 0xC80000,   // the value as written in setup.ini
    kHCYErrBatchUnsafe = 0xC80001,   // the batch file, the path holding the character, the character
};

// One installation action: reads setup.ini from the current directory when it
// is made, then starts the product's installer, QuickTime's installer, or
// opens the QuickTime offer window. Paths and values are UTF-8 and may hold
// any character; their limits count characters as Windows does (UTF-16
// units), and their buffers have room for the UTF-8 form of that many.
class HCYDoInstall {
public:
    // construction
    HCYDoInstall();
    explicit HCYDoInstall(int IType);
    virtual ~HCYDoInstall();

    // operations
    void GetSettings();
    void InstallNow();
    bool IsQuickTimeInstalled();

    // Room of the Windows calls that fill the paths, in UTF-16 units.
    static constexpr int kPathRoom = 256;
    // The UTF-8 form of kPathRoom units: at most three bytes a unit.
    static constexpr int kPathBytes = kPathRoom * 3;

    // The folder passed to the product's installer, ending in "\$ " ("$ " for a
    // drive root). It has room for a full 255-character directory plus that
    // ending, so a long folder is never cut or overrun.
    char CurrDir[kPathBytes + 3];
    char params[kPathRoom];
    char HalcyraInstallPath[kPathBytes];
    char QuicktimeInstallPath[kPathBytes];
    // Room for a full directory plus "\setup.ini".
    char iniFullPath[kPathBytes + 10];
    int IType_;

    // False when the current directory could not be read whole: no settings
    // were read and nothing may be started.
    bool fFolderKnown;
    // How each key's value was read; the path is empty unless kRead.
    HCYProfileInformation::Reading fHalcyraRead;
    HCYProfileInformation::Reading fQuicktimeRead;

    // What a failed start shows; tests replace it to see the failure without
    // running a modal alert: the message's code and its first argument (the
    // texts are formatted all the same). Null shows the alert.
    typedef void (*LaunchFailureProc)(uint32_t code, const char* name);
    static LaunchFailureProc gLaunchFailureProc;

private:
    // Starts exactly the file the path names, by its full path, with the
    // launcher's folder as parameters unless folder is null; or shows the
    // alert that says what is wrong and answers false.
    bool Launch(const char* key, const char* path, HCYProfileInformation::Reading reading, const char* folder);
    // Fills name with what in the settings keeps the installer of the key
    // from being started (the file or key looked for and why) and answers
    // false; answers true when setup.ini gave a path.
    bool CheckSettings(const char* key, const char* path, HCYProfileInformation::Reading reading, char* name,
                       int room) const;
    static void ReportFailure(uint32_t code, const char* name, const char* where = "", const char* what = "");
    // Brings back the offer window if one is open, hidden or not; else opens it.
    static void ShowOffer();
};
