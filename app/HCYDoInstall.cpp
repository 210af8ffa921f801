#include "HCYDoInstall.h"

#include "HCYLaunchRule.h"
#include "HCYProfileInformation.h"
#include "foundation/XGPostError.h"
#include "foundation/XGWide.h"
#include "views/XGWindow.h"
#include "forms/XGWindowFactory.h"

#include <cstdio>
#include <cstring>
#include <string>
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
const int kNameRoom = 2048;
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
    , fHalcyraRead(HCYProfileInformation::kRead)
    , fQuicktimeRead(HCYProfileInformation::kRead)
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
    fHalcyraRead = fQuicktimeRead = HCYProfileInformation::kRead;

    // A directory that does not fit answers its needed size and leaves the
    // buffer unspecified; treat it as unknown. An unknown folder reads no
    // settings: "\setup.ini" would be the drive root's, naming other programs.
    wchar_t folder[kPathRoom];
    DWORD length = GetCurrentDirectoryW(kPathRoom, folder);
    fFolderKnown = length != 0 && length < static_cast<DWORD>(kPathRoom);
    if (fFolderKnown) {
        std::string text = XGWide::Narrow(folder, length);
        std::memcpy(CurrDir, text.c_str(), text.size() + 1);
    }

    if (fFolderKnown) {
        // A drive root ("D:\") already ends in a backslash.
        std::snprintf(iniFullPath, sizeof(iniFullPath), "%s%s", CurrDir,
                      std::strlen(CurrDir) == 3 ? "setup.ini" : "\\setup.ini");
        HCYProfileInformation profile(iniFullPath);
        fHalcyraRead = profile.ReadProfileItem(kSection, kHalcyraKey, HalcyraInstallPath);
        fQuicktimeRead = profile.ReadProfileItem(kSection, kQuicktimeKey, QuicktimeInstallPath);
    }

    std::strcat(CurrDir, std::strlen(CurrDir) <= 3 ? "$ " : "\\$ ");
}

void HCYDoInstall::InstallNow()
{
    if (IType_ == 1) {
        Launch(kQuicktimeKey, QuicktimeInstallPath, fQuicktimeRead, nullptr);
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
    if (Launch(kHalcyraKey, HalcyraInstallPath, fHalcyraRead, CurrDir))
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
    wchar_t system[kPathRoom] = {};
    UINT length = GetSystemDirectoryW(system, kPathRoom);
    // A system folder that does not fit is unknown; "\QuickTime.qts" would be
    // looked for at the drive root instead.
    if (length == 0 || length >= static_cast<UINT>(kPathRoom))
        return false;
    std::wstring QTSPath = std::wstring(system, length) + L"\\QuickTime.qts";
    FILE* file = _wfopen(QTSPath.c_str(), L"r");
    if (!file)
        return false;
    std::fclose(file);
    return true;
}

bool HCYDoInstall::CheckSettings(const char* key, const char* path, HCYProfileInformation::Reading reading,
                                 char* name, int room) const
{
    if (!fFolderKnown) {
        std::snprintf(name, room, "setup.ini (the current folder's path is longer than %d characters"
                      " or cannot be read)", kPathRoom - 1);
        return false;
    }
    DWORD ini = GetFileAttributesW(XGWide(iniFullPath));
    if (ini == INVALID_FILE_ATTRIBUTES || (ini & FILE_ATTRIBUTE_DIRECTORY)) {
        std::snprintf(name, room, "%s", iniFullPath);
        return false;
    }
    if (reading == HCYProfileInformation::kTooLong) {
        std::snprintf(name, room, "%s, key %s in [%s] (longer than %d characters)", iniFullPath, key,
                      kSection, kPathRoom - 1);
        return false;
    }
    if (reading == HCYProfileInformation::kNotValid) {
        std::snprintf(name, room, "%s, key %s in [%s] (not valid text in the file's encoding)", iniFullPath, key,
                      kSection);
        return false;
    }
    // An empty path would make the shell open the current folder.
    if (!path[0]) {
        std::snprintf(name, room, "%s, key %s in [%s] (missing or empty)", iniFullPath, key, kSection);
        return false;
    }
    return true;
}

bool HCYDoInstall::Launch(const char* key, const char* path, HCYProfileInformation::Reading reading,
                          const char* folder)
{
    char name[kNameRoom];
    if (!CheckSettings(key, path, reading, name, sizeof(name))) {
        ReportFailure(kErrFileOpen, name);
        return false;
    }
    // The shell is handed the full path, which it neither searches for nor
    // completes: the file it starts is the one looked at here.
    wchar_t wideFull[MAX_PATH];
    DWORD length = GetFullPathNameW(XGWide(path), MAX_PATH, wideFull, nullptr);
    if (length == 0 || length >= MAX_PATH) {
        std::snprintf(name, sizeof(name), "%s (its full path is longer than %d characters)", path, MAX_PATH - 1);
        ReportFailure(kErrFileOpen, name);
        return false;
    }
    // Room for the UTF-8 form of MAX_PATH units.
    char full[MAX_PATH * 3];
    std::string fullText = XGWide::Narrow(wideFull, length);
    std::memcpy(full, fullText.c_str(), fullText.size() + 1);
    DWORD attributes = GetFileAttributesW(wideFull);
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
    HINSTANCE result = ShellExecuteW(nullptr, nullptr, wideFull, XGWide(rule.GetParameters()), nullptr,
                                     SW_SHOWNORMAL);
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
