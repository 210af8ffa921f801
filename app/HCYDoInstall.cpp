#include "HCYDoInstall.h"

#include "HCYLaunchRule.h"
#include "HCYProfileInformation.h"
#include "foundation/XGPostError.h"
#include "views/XGWindow.h"
#include "forms/XGWindowFactory.h"

#include <cstdio>
#include <cstring>
#include <windows.h>
#include <shellapi.h>

namespace {
const short kOfferWindowID = 129;
// The offer's Install QuickTime button: the view that tells the offer window
// from the launcher's other windows.
const short kOfferButtonID = 5;
const char kWindowTitle[] = "Halcyra  International";
const char kSection[] = "FilePath";
const char kHalcyraKey[] = "Halcyra";
const char kQuicktimeKey[] = "Quicktime";
// Room for the longest name the alert is given: the settings file's path with
// a key and a reason.
const int kNameRoom = 512;
}

HCYDoInstall::LaunchFailureProc HCYDoInstall::gLaunchFailureProc = nullptr;

static_assert(HCYLaunchRule::kParameterRoom >= int(sizeof("-a \"-a\" ") + sizeof(HCYDoInstall::CurrDir)),
              "the parameters hold the longest folder, quoted");

HCYDoInstall::HCYDoInstall()
    : HCYDoInstall(0)
{
}

HCYDoInstall::HCYDoInstall(int IType)
    : IType_(IType)
    , fFolderKnown(false)
    , fHalcyraFits(true)
    , fQuicktimeFits(true)
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

    iniFullPath[0] = 0;
    fHalcyraFits = fQuicktimeFits = true;

    // A directory that does not fit answers its needed size and leaves the
    // buffer unspecified; treat it as unknown. An unknown folder reads no
    // settings: "\setup.ini" would be the drive root's, naming other programs.
    DWORD length = GetCurrentDirectoryA(kPathRoom, CurrDir);
    fFolderKnown = length != 0 && length < static_cast<DWORD>(kPathRoom);
    if (!fFolderKnown)
        CurrDir[0] = 0;

    if (fFolderKnown) {
        // A drive root ("D:\") already ends in a backslash.
        std::snprintf(iniFullPath, sizeof(iniFullPath), "%s%s", CurrDir,
                      std::strlen(CurrDir) == 3 ? "setup.ini" : "\\setup.ini");
        HCYProfileInformation profile(iniFullPath);
        fHalcyraFits = profile.ReadProfileItem(kSection, kHalcyraKey, HalcyraInstallPath);
        fQuicktimeFits = profile.ReadProfileItem(kSection, kQuicktimeKey, QuicktimeInstallPath);
    }

    std::strcat(CurrDir, std::strlen(CurrDir) <= 3 ? "$ " : "\\$ ");
}

void HCYDoInstall::InstallNow()
{
    if (IType_ == 1) {
        Launch(kQuicktimeKey, QuicktimeInstallPath, fQuicktimeFits, nullptr);
        return;
    }
    if (IType_ != 0)
        return;

    if (!IsQuickTimeInstalled()) {
        ShowOffer();
        return;
    }
    // Quitting after a failed start would leave the user with nothing on the
    // screen; the launcher stays so that the user can read the alert and retry.
    if (Launch(kHalcyraKey, HalcyraInstallPath, fHalcyraFits, CurrDir))
        PostQuitMessage(0);
}

void HCYDoInstall::ShowOffer()
{
    // Each Install would otherwise stack another offer over hidden ones.
    for (XGWindow* window = XGWindow::gList; window; window = window->GetNext()) {
        if (window->FindViewByID(kOfferButtonID)) {
            window->ShowWindow();
            window->SelectWindow();
            return;
        }
    }
    XGWindow* offer = XGWindowFactory::CreateFromResource(kOfferWindowID, nullptr);
    if (offer)
        offer->SetTitle(kWindowTitle);
}

bool HCYDoInstall::IsQuickTimeInstalled()
{
    char system[kPathRoom] = {};
    UINT length = GetSystemDirectoryA(system, kPathRoom);
    // A system folder that does not fit is unknown; "\QuickTime.qts" would be
    // looked for at the drive root instead.
    if (length == 0 || length >= static_cast<UINT>(kPathRoom))
        return false;
    char QTSPath[kPathRoom + 16];
    std::snprintf(QTSPath, sizeof(QTSPath), "%s\\%s", system, "QuickTime.qts");
    FILE* file = std::fopen(QTSPath, "r");
    if (!file)
        return false;
    std::fclose(file);
    return true;
}

bool HCYDoInstall::CheckSettings(const char* key, const char* path, bool fits, char* name, int room) const
{
    if (!fFolderKnown) {
        std::snprintf(name, room, "setup.ini (the current folder's path is longer than %d characters"
                      " or cannot be read)", kPathRoom - 1);
        return false;
    }
    DWORD ini = GetFileAttributesA(iniFullPath);
    if (ini == INVALID_FILE_ATTRIBUTES || (ini & FILE_ATTRIBUTE_DIRECTORY)) {
        std::snprintf(name, room, "%s", iniFullPath);
        return false;
    }
    if (!fits) {
        std::snprintf(name, room, "%s, key %s in [%s] (longer than %d characters)", iniFullPath, key,
                      kSection, kPathRoom - 1);
        return false;
    }
    // An empty path would make the shell open the current folder.
    if (!path[0]) {
        std::snprintf(name, room, "%s, key %s in [%s] (missing or empty)", iniFullPath, key, kSection);
        return false;
    }
    return true;
}

bool HCYDoInstall::Launch(const char* key, const char* path, bool fits, const char* folder)
{
    char name[kNameRoom];
    if (!CheckSettings(key, path, fits, name, sizeof(name))) {
        ReportFailure(kErrFileOpen, name);
        return false;
    }
    // The shell is handed the full path, which it neither searches for nor
    // completes: the file it starts is the one looked at here.
    char full[MAX_PATH];
    DWORD length = GetFullPathNameA(path, sizeof(full), full, nullptr);
    if (length == 0 || length >= sizeof(full)) {
        std::snprintf(name, sizeof(name), "%s (its full path is longer than %d characters)", path, MAX_PATH - 1);
        ReportFailure(kErrFileOpen, name);
        return false;
    }
    DWORD attributes = GetFileAttributesA(full);
    // The shell would open a folder in a file window.
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        std::snprintf(name, sizeof(name), "%s (a folder, not a program)", full);
        ReportFailure(kErrFileOpen, name);
        return false;
    }
    // The shell would complete such a name to another file (Setup to
    // Setup.exe) than the one looked at here, whether this one exists or not.
    if (!HCYLaunchRule::HasExtension(full)) {
        ReportFailure(kHCYErrNoExtension, path);
        return false;
    }
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        ReportFailure(kErrFileOpen, full);
        return false;
    }
    HCYLaunchRule rule(full, folder);
    if (rule.GetVerdict() == HCYLaunchRule::kUnsafeForBatch) {
        char c = rule.GetUnsafeCharacter();
        // The folder as the user knows it, without the "\$ " ending.
        char where[sizeof(full)];
        if (std::strchr(full, c)) {
            std::snprintf(where, sizeof(where), "%s", full);
        } else {
            std::snprintf(where, sizeof(where), "%s", CurrDir);
            size_t end = std::strlen(where);
            end = end >= 2 ? end - 2 : 0;
            if (end > 3 && where[end - 1] == '\\')
                --end;
            where[end] = 0;
        }
        char what[32];
        if (c == '"')
            std::snprintf(what, sizeof(what), "a double quote");
        else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            std::snprintf(what, sizeof(what), "a control character");
        else
            std::snprintf(what, sizeof(what), "the character %c", c);
        ReportFailure(kHCYErrBatchUnsafe, full, where, what);
        return false;
    }
    HINSTANCE result = ShellExecuteA(nullptr, nullptr, full, rule.GetParameters(), nullptr, SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(result) > 32)
        return true;
    ReportFailure(kErrFileOpen, full);
    return false;
}

void HCYDoInstall::ReportFailure(uint32_t code, const char* name, const char* where, const char* what)
{
    XGPostError error(code, name, where, what);
    if (gLaunchFailureProc)
        gLaunchFailureProc(code, name);
    else
        error.DisplayError();
}
