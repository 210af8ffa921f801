#include "HCYDoInstall.h"

#include "HCYProfileInformation.h"
#include "XGPostError.h"
#include "XGWindow.h"
#include "XGWindowFactory.h"

#include <cstdio>
#include <cstring>
#include <windows.h>
#include <shellapi.h>

namespace {
const short kOfferWindowID = 129;
const char kWindowTitle[] = "Halcyra  International";
}

HCYDoInstall::LaunchFailureProc HCYDoInstall::gLaunchFailureProc = nullptr;

HCYDoInstall::HCYDoInstall()
    : HCYDoInstall(0)
{
}

HCYDoInstall::HCYDoInstall(int IType)
    : IType_(IType)
{
    GetSettings();
}

HCYDoInstall::~HCYDoInstall() = default;

void HCYDoInstall::GetSettings()
{
    std::memset(HalcyraInstallPath, 0, sizeof(HalcyraInstallPath));
    std::memset(QuicktimeInstallPath, 0, sizeof(QuicktimeInstallPath));
    std::memset(CurrDir, 0, sizeof(CurrDir));
    std::memset(params, 0, sizeof(params));

    // A directory that does not fit answers its needed size and leaves the
    // buffer unspecified; treat it as unknown.
    DWORD length = GetCurrentDirectoryA(kPathRoom, CurrDir);
    if (length == 0 || length >= static_cast<DWORD>(kPathRoom))
        CurrDir[0] = 0;

    // A drive root ("D:\") already ends in a backslash.
    std::snprintf(iniFullPath, sizeof(iniFullPath), "%s%s", CurrDir,
                  std::strlen(CurrDir) == 3 ? "setup.ini" : "\\setup.ini");

    HCYProfileInformation profile(iniFullPath);
    profile.ReadProfileItem("FilePath", "Halcyra", HalcyraInstallPath);
    profile.ReadProfileItem("FilePath", "Quicktime", QuicktimeInstallPath);

    std::strcat(CurrDir, std::strlen(CurrDir) <= 3 ? "$ " : "\\$ ");
}

void HCYDoInstall::InstallNow()
{
    char parameters[sizeof("-a -a") + sizeof(CurrDir)];
    std::snprintf(parameters, sizeof(parameters), "-a -a%s", CurrDir);

    if (IType_ == 1) {
        Launch(QuicktimeInstallPath, nullptr);
        return;
    }
    if (IType_ != 0)
        return;

    if (!IsQuickTimeInstalled()) {
        XGWindow* offer = XGWindowFactory::CreateFromResource(kOfferWindowID, nullptr);
        if (offer)
            offer->SetTitle(kWindowTitle);
        return;
    }
    // Quitting after a failed start would leave the user with nothing on the
    // screen; the launcher stays so that the user can read the alert and retry.
    if (Launch(HalcyraInstallPath, parameters))
        PostQuitMessage(0);
}

bool HCYDoInstall::IsQuickTimeInstalled()
{
    char system[kPathRoom] = {};
    GetSystemDirectoryA(system, kPathRoom);
    char QTSPath[kPathRoom + 16];
    std::snprintf(QTSPath, sizeof(QTSPath), "%s\\%s", system, "QuickTime.qts");
    FILE* file = std::fopen(QTSPath, "r");
    if (!file)
        return false;
    std::fclose(file);
    return true;
}

bool HCYDoInstall::Launch(const char* path, const char* parameters)
{
    // An empty path (missing setup.ini or key) would make the shell open the
    // current folder instead of failing.
    if (path[0]) {
        HINSTANCE result = ShellExecuteA(nullptr, nullptr, path, parameters, nullptr, SW_SHOWNORMAL);
        if (reinterpret_cast<INT_PTR>(result) > 32)
            return true;
    }
    if (gLaunchFailureProc)
        gLaunchFailureProc(path);
    else
        Error(kErrFileOpen, path);
    return false;
}
