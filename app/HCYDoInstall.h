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

    // What a failed start shows; tests replace it to see the failure without
    // running a modal alert. Null shows the "File Open Error" alert.
    typedef void (*LaunchFailureProc)(const char* path);
    static LaunchFailureProc gLaunchFailureProc;

private:
    // Asks the shell to open path; shows the "File Open Error" alert with the
    // path and answers false when the shell cannot start it.
    bool Launch(const char* path, const char* parameters);
};
