#pragma once

// One installation action: reads setup.ini from the current directory when it
// is made, then starts the product's installer, QuickTime's installer, or
// opens the QuickTime offer window.
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

    // Room of the Windows calls that fill the paths.
    static constexpr int kPathRoom = 256;

    // The folder passed to the product's installer, ending in "\$ " ("$ " for a
    // drive root). It has room for a full 255-character directory plus that
    // ending, so a long folder is never cut or overrun.
    char CurrDir[kPathRoom + 3];
    char params[kPathRoom];
    char HalcyraInstallPath[kPathRoom];
    char QuicktimeInstallPath[kPathRoom];
    // Room for a full directory plus "\setup.ini".
    char iniFullPath[kPathRoom + 10];
    int IType_;

    // False when the current directory could not be read whole: no settings
    // were read and nothing may be started.
    bool fFolderKnown;
    // False when the key's value did not fit its buffer (the path is empty).
    bool fHalcyraFits;
    bool fQuicktimeFits;

    // What a failed start shows; tests replace it to see the failure without
    // running a modal alert. Null shows the "File Open Error" alert.
    typedef void (*LaunchFailureProc)(const char* path);
    static LaunchFailureProc gLaunchFailureProc;

private:
    // Starts the installer of the key, or shows the "File Open Error" alert
    // naming what is wrong and answers false.
    bool Launch(const char* key, const char* path, bool fits, const char* parameters);
    // Fills name with what keeps the installer of the key from being started
    // (the file, key or path looked for and why) and answers false; answers
    // true when the path names an existing file.
    bool CheckInstaller(const char* key, const char* path, bool fits, char* name, int room) const;
    static void ReportFailure(const char* name);
    // Brings back the offer window if one is open, hidden or not; else opens it.
    static void ShowOffer();
};
