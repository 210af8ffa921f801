// The launcher's installation actions under Wine: where setup.ini is looked
// for, what the installers are started with (through the demo's stand-in
// installers, which record their parameters), the QuickTime check, the
// registry reader and the shutdown privilege.
#include "HCYDoInstall.h"
#include "HCYGetRebootPrivilege.h"
#include "RegEdit.h"

#include "../support/TestWin32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The build passes the demo folder as a host path; Wine shows the host's root
// as drive Z:.
std::string DemoFolder()
{
    std::string path = "Z:" HALCYRA_DEMO_DIR;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

std::string ProductStandIn() { return DemoFolder() + "\\Halcyra\\HalcyraSetup.exe"; }
std::string QuickTimeStandIn() { return DemoFolder() + "\\QuickTime\\QuickTimeInstaller.exe"; }
std::string RecordOf(const std::string& exe) { return exe.substr(0, exe.size() - 4) + ".args"; }

std::string CurrentDirectory()
{
    char buffer[MAX_PATH + 1] = {};
    GetCurrentDirectoryA(sizeof(buffer), buffer);
    return buffer;
}

void WriteFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

std::string SystemFile(const char* name)
{
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, MAX_PATH);
    return std::string(system) + "\\" + name;
}

// Waits for the stand-in's record; the installer runs as a separate process.
bool ReadRecord(const std::string& path, std::string* text)
{
    for (int i = 0; i < 600; ++i) {
        std::ifstream file(path, std::ios::binary);
        if (file) {
            // The stand-in writes in one call; wait until the process let go.
            Sleep(100);
            std::ifstream again(path, std::ios::binary);
            std::ostringstream content;
            content << again.rdbuf();
            *text = content.str();
            return true;
        }
        Sleep(50);
    }
    return false;
}

// Takes a posted WM_QUIT off this thread's queue, if there is one.
bool TakeQuitMessage()
{
    MSG msg;
    return PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0;
}

std::vector<std::string> gFailures;
void RecordFailure(const char* path) { gFailures.push_back(path); }

// Runs each test in a folder of its own with a setup.ini of its choosing, with
// QuickTime present unless the test says otherwise, and quiet stand-ins.
class InstallActions : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetEnvironmentVariableA("HALCYRA_STANDIN_QUIET", "1");
        fStart = CurrentDirectory();
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        fFolder = std::string(temp) + "halcyra-" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
        CreateDirectoryA(fFolder.c_str(), nullptr);
        SetCurrentDirectoryA(fFolder.c_str());
        DeleteFileA(RecordOf(ProductStandIn()).c_str());
        DeleteFileA(RecordOf(QuickTimeStandIn()).c_str());
        SetQuickTime(true);
        gFailures.clear();
        HCYDoInstall::gLaunchFailureProc = RecordFailure;
        while (TakeQuitMessage()) {
        }
    }

    void TearDown() override
    {
        HCYDoInstall::gLaunchFailureProc = nullptr;
        SetCurrentDirectoryA(fStart.c_str());
        DeleteFileA((fFolder + "\\setup.ini").c_str());
        RemoveDirectoryA(fFolder.c_str());
        SetQuickTime(false);
    }

    static void SetQuickTime(bool present)
    {
        if (present)
            WriteFile(SystemFile("QuickTime.qts"), "stand-in");
        else
            DeleteFileA(SystemFile("QuickTime.qts").c_str());
    }

    void WriteSettings(const std::string& product, const std::string& quicktime)
    {
        WriteFile(fFolder + "\\setup.ini",
                  "[FilePath]\r\nHalcyra=" + product + "\r\nQuicktime=" + quicktime + "\r\n");
    }

    std::string fStart;
    std::string fFolder;
};

TEST_F(InstallActions, SubfolderReadsSetupIniThereAndEndsCurrDirWithBackslashDollarBlank)
{
    WriteSettings("C:\\product\\setup.exe", "C:\\qt\\qt.exe");
    HCYDoInstall install;
    EXPECT_EQ(std::string(install.iniFullPath), fFolder + "\\setup.ini");
    EXPECT_EQ(std::string(install.CurrDir), fFolder + "\\$ ");
    EXPECT_STREQ(install.HalcyraInstallPath, "C:\\product\\setup.exe");
    EXPECT_STREQ(install.QuicktimeInstallPath, "C:\\qt\\qt.exe");
    EXPECT_STREQ(install.params, "");
    EXPECT_EQ(install.IType_, 0);
}

TEST_F(InstallActions, DriveRootReadsSetupIniInTheRootAndEndsCurrDirWithDollarBlank)
{
    // C:\ of the Wine prefix is ours to use for the moment.
    const std::string rootIni = "C:\\setup.ini";
    WriteFile(rootIni, "[FilePath]\r\nHalcyra=" + ProductStandIn() + "\r\n");
    SetCurrentDirectoryA("C:\\");
    HCYDoInstall install;
    EXPECT_STREQ(install.iniFullPath, "C:\\setup.ini");
    EXPECT_STREQ(install.CurrDir, "C:\\$ ");
    EXPECT_EQ(std::string(install.HalcyraInstallPath), ProductStandIn());

    install.InstallNow();
    std::string parameters;
    EXPECT_TRUE(ReadRecord(RecordOf(ProductStandIn()), &parameters));
    EXPECT_EQ(parameters, "-a -aC:\\$ ");
    EXPECT_TRUE(TakeQuitMessage());
    DeleteFileA(rootIni.c_str());
}

TEST_F(InstallActions, ProductInstallerGetsDashADashAFolderDollarBlankAndTheLauncherQuits)
{
    WriteSettings(ProductStandIn(), QuickTimeStandIn());
    HCYDoInstall install(0);
    install.InstallNow();
    std::string parameters;
    ASSERT_TRUE(ReadRecord(RecordOf(ProductStandIn()), &parameters));
    EXPECT_EQ(parameters, "-a -a" + fFolder + "\\$ ");
    EXPECT_TRUE(TakeQuitMessage());
    EXPECT_TRUE(gFailures.empty());
}

TEST_F(InstallActions, QuickTimeInstallerGetsNoParametersAndTheLauncherGoesOn)
{
    WriteSettings(ProductStandIn(), QuickTimeStandIn());
    HCYDoInstall install(1);
    install.InstallNow();
    std::string parameters = "unset";
    ASSERT_TRUE(ReadRecord(RecordOf(QuickTimeStandIn()), &parameters));
    EXPECT_EQ(parameters, "");
    EXPECT_FALSE(TakeQuitMessage());
}

// A failed start shows the file-open alert with the path and keeps the
// launcher running, for both installers.
TEST_F(InstallActions, InstallerThatCannotStartIsReportedWithItsPathAndTheLauncherStays)
{
    struct Case {
        const char* name;
        bool writeIni;
        std::string product;
        int type;
        std::string reported;
    };
    const std::string missing = "C:\\no\\such\\folder\\setup.exe";
    const Case cases[] = {
        {"missing setup.ini", false, "", 0, ""},
        {"empty key", true, "", 0, ""},
        {"path that does not exist", true, missing, 0, missing},
        {"QuickTime key missing", true, missing, 1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DeleteFileA((fFolder + "\\setup.ini").c_str());
        if (c.writeIni)
            WriteFile(fFolder + "\\setup.ini", "[FilePath]\r\nHalcyra=" + c.product + "\r\n");
        gFailures.clear();
        HCYDoInstall install(c.type);
        install.InstallNow();
        ASSERT_EQ(gFailures.size(), 1u);
        EXPECT_EQ(gFailures[0], c.reported);
        EXPECT_FALSE(TakeQuitMessage());
    }
}

TEST_F(InstallActions, MissingSetupIniGivesEmptyPaths)
{
    HCYDoInstall install;
    EXPECT_STREQ(install.HalcyraInstallPath, "");
    EXPECT_STREQ(install.QuicktimeInstallPath, "");
    EXPECT_EQ(std::string(install.CurrDir), fFolder + "\\$ ");
}

// Makes a folder whose full path is exactly length characters long.
std::string MakeFolderOfLength(const std::string& base, size_t length)
{
    std::string path = base;
    CreateDirectoryA(path.c_str(), nullptr);
    while (path.size() + 1 < length) {
        size_t part = std::min<size_t>(40, length - path.size() - 1);
        path += "\\" + std::string(part, 'd');
        CreateDirectoryA(path.c_str(), nullptr);
    }
    return path;
}

TEST_F(InstallActions, LongestCurrentDirectoryKeepsItsWholeNameAndEnding)
{
    const std::string folder = MakeFolderOfLength(fFolder + "\\long", 255);
    ASSERT_EQ(folder.size(), 255u);
    ASSERT_TRUE(SetCurrentDirectoryA(folder.c_str()));
    HCYDoInstall install;
    EXPECT_EQ(std::string(install.CurrDir), folder + "\\$ ");
    EXPECT_EQ(std::string(install.iniFullPath), folder + "\\setup.ini");
}

TEST_F(InstallActions, CurrentDirectoryTooLongForTheBufferLeavesCurrDirEmpty)
{
    const std::string folder = MakeFolderOfLength(fFolder + "\\long", 258);
    if (!SetCurrentDirectoryA(folder.c_str()))
        GTEST_SKIP() << "this Wine does not take a current directory of 258 characters";
    HCYDoInstall install;
    EXPECT_STREQ(install.CurrDir, "$ ");
    EXPECT_STREQ(install.iniFullPath, "\\setup.ini");
}

TEST_F(InstallActions, QuickTimeCountsAsInstalledExactlyWhenQuickTimeQtsIsInTheSystemFolder)
{
    HCYDoInstall install;
    SetQuickTime(true);
    EXPECT_TRUE(install.IsQuickTimeInstalled());
    SetQuickTime(false);
    EXPECT_FALSE(install.IsQuickTimeInstalled());
}

class Registry : public ::testing::Test {
protected:
    static constexpr const char* kKey = "Software\\KeboTests\\Screen Saver.Halcyra";
    void TearDown() override { RegDeleteKeyA(HKEY_CURRENT_USER, kKey); }
};

TEST_F(Registry, MissingValueLeavesThePresetUntouched)
{
    RegEdit reg(kKey, "Screen Saver");
    int value = 7;
    reg.ReadValue("Play Sound", &value);
    EXPECT_EQ(value, 7);
}

TEST_F(Registry, ReadsAStoredNumberFromTheKeyItCreated)
{
    {
        RegEdit reg(kKey, "Screen Saver");
    }
    HKEY key;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
    DWORD one = 1;
    RegSetValueExA(key, "Play Sound", 0, REG_DWORD, reinterpret_cast<BYTE*>(&one), sizeof(one));
    RegCloseKey(key);

    RegEdit reg(kKey, "Screen Saver");
    int value = 0;
    reg.ReadValue("Play Sound", &value);
    EXPECT_EQ(value, 1);
}

using testsupport::ShutdownPrivilegeEnabled;

TEST(RebootPrivilege, MakingOneEnablesTheShutdownPrivilege)
{
    EXPECT_FALSE(ShutdownPrivilegeEnabled());
    HCYGetRebootPrivilege privilege;
    EXPECT_TRUE(ShutdownPrivilegeEnabled());
}

}
