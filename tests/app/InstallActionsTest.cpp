// The launcher's installation actions under Wine: where setup.ini is looked
// for, what the installers are started with (through the demo's stand-in
// installers, which record their parameters), the QuickTime check, the
// registry reader and the shutdown privilege.
#include "HCYDoInstall.h"
#include "HCYGetRebootPrivilege.h"
#include "RegEdit.h"
#include "foundation/XGPostError.h"
#include "foundation/XGWide.h"

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
    XGWide wide(path);
    for (int i = 0; i < 600; ++i) {
        if (GetFileAttributesW(wide) != INVALID_FILE_ATTRIBUTES) {
            // The stand-in writes in one call; wait until the process let go.
            Sleep(100);
            text->clear();
            FILE* file = _wfopen(wide, L"rb");
            if (!file)
                return false;
            char buffer[1024];
            size_t got;
            while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
                text->append(buffer, got);
            std::fclose(file);
            return true;
        }
        Sleep(50);
    }
    return false;
}

// Removes a folder and all it holds.
void RemoveTree(const std::string& folder)
{
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW(XGWide(folder + "\\*"), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = XGWide::Narrow(found.cFileName);
            if (name == "." || name == "..")
                continue;
            std::string path = folder + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else
                DeleteFileW(XGWide(path));
        } while (FindNextFileW(find, &found));
        FindClose(find);
    }
    RemoveDirectoryW(XGWide(folder));
}

bool Exists(const std::string& path) { return GetFileAttributesW(XGWide(path)) != INVALID_FILE_ATTRIBUTES; }

void WriteBytes(const std::string& path, const std::string& bytes)
{
    if (FILE* file = _wfopen(XGWide(path), L"wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
}

// A setup.ini's text (UTF-8) in one of the encodings the profile functions read.
enum IniEncoding { kAnsiIni, kUtf16Ini, kUtf8BomIni };
std::string IniBytes(const std::string& text, IniEncoding encoding)
{
    switch (encoding) {
    case kUtf16Ini: {
        std::string bytes = "\xFF\xFE";
        XGWide wide(text);
        for (int i = 0; i < wide.Length(); ++i) {
            bytes.push_back(char(wide.Get()[i] & 0xFF));
            bytes.push_back(char(wide.Get()[i] >> 8));
        }
        return bytes;
    }
    case kUtf8BomIni:
        return "\xEF\xBB\xBF" + text;
    default:
        return text;
    }
}

// The parameters a batch file sees as %1, %2, ...: words split at blanks
// outside double quotes, with the quotes taken away (as %~1 does).
std::vector<std::string> BatchWords(const std::string& line)
{
    std::vector<std::string> words;
    std::string word;
    bool quoted = false, any = false;
    for (char c : line) {
        if (c == '"') {
            quoted = !quoted;
            any = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (any)
                words.push_back(word);
            word.clear();
            any = false;
        } else {
            word += c;
            any = true;
        }
    }
    if (any)
        words.push_back(word);
    return words;
}

// Takes a posted WM_QUIT off this thread's queue, if there is one.
bool TakeQuitMessage()
{
    MSG msg;
    return PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0;
}

std::vector<std::string> gFailures;
std::vector<uint32_t> gFailureCodes;
void RecordFailure(uint32_t code, const char* name)
{
    gFailures.push_back(name);
    gFailureCodes.push_back(code);
}

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
        gFailureCodes.clear();
        HCYDoInstall::gLaunchFailureProc = RecordFailure;
        while (TakeQuitMessage()) {
        }
    }

    void TearDown() override
    {
        HCYDoInstall::gLaunchFailureProc = nullptr;
        SetCurrentDirectoryA(fStart.c_str());
        RemoveTree(fFolder);
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

// A failed start shows the file-open alert naming what was looked for (the
// settings file, the file and key, or the path with why it cannot be started)
// and keeps the launcher running, for both installers.
TEST_F(InstallActions, InstallerThatCannotStartIsReportedByNameAndTheLauncherStays)
{
    struct Case {
        const char* name;
        bool writeIni;
        std::string settings;
        int type;
        std::string reported;
    };
    const std::string ini = fFolder + "\\setup.ini";
    const std::string missing = "C:\\no\\such\\folder\\setup.exe";
    const std::string noProduct = ini + ", key Halcyra in [FilePath] (missing or empty)";
    const Case cases[] = {
        {"missing setup.ini", false, "", 0, ini},
        {"empty setup.ini", true, "", 0, noProduct},
        {"binary setup.ini", true, std::string("\x00\xff\x01\x7f\xfe\x00\x10", 7), 0, noProduct},
        {"missing key", true, "[FilePath]\r\nQuicktime=" + missing + "\r\n", 0, noProduct},
        {"empty key", true, "[FilePath]\r\nHalcyra=\r\n", 0, noProduct},
        {"path that does not exist", true, "[FilePath]\r\nHalcyra=" + missing + "\r\n", 0, missing},
        {"path naming a folder", true, "[FilePath]\r\nHalcyra=" + fFolder + "\r\n", 0,
         fFolder + " (a folder, not a program)"},
        {"QuickTime key missing", true, "[FilePath]\r\nHalcyra=" + missing + "\r\n", 1,
         ini + ", key Quicktime in [FilePath] (missing or empty)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DeleteFileA(ini.c_str());
        if (c.writeIni)
            WriteFile(ini, c.settings);
        gFailures.clear();
        HCYDoInstall install(c.type);
        install.InstallNow();
        EXPECT_EQ(gFailures, std::vector<std::string>{c.reported});
        EXPECT_FALSE(TakeQuitMessage());
    }
}

// A path made to measure from the demo folder: steps of ".\" and
// "Halcyra\..\" that the file system folds away, then the given tail.
std::string PaddedPath(const std::string& tail, size_t length)
{
    std::string path = DemoFolder();
    size_t pad = length - path.size() - tail.size();
    if (pad % 2 != 0) {
        path += "\\Halcyra\\..";
        pad -= 11;
    }
    while (pad > 0) {
        path += "\\.";
        pad -= 2;
    }
    return path + tail;
}

// A value longer than its buffer must not be cut: the cut path here names
// the stand-in without its extension, which the shell would complete.
TEST_F(InstallActions, InstallerValueLongerThanItsBufferIsRefusedAndStartsNothing)
{
    const std::string cut = PaddedPath("\\Halcyra\\HalcyraSetup", 255);
    ASSERT_EQ(cut.size(), 255u);
    const std::string value = cut + "\\" + std::string(299 - 256 - 4, 'p') + ".exe";
    ASSERT_EQ(value.size(), 299u);
    WriteSettings(value, QuickTimeStandIn());
    HCYDoInstall install(0);
    EXPECT_STREQ(install.HalcyraInstallPath, "");
    install.InstallNow();
    const std::string reported = fFolder + "\\setup.ini, key Halcyra in [FilePath] (longer than 255 characters)";
    EXPECT_EQ(gFailures, std::vector<std::string>{reported});
    EXPECT_FALSE(TakeQuitMessage());
    Sleep(1500);
    EXPECT_EQ(GetFileAttributesA(RecordOf(ProductStandIn()).c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(InstallActions, InstallerValueOfExactly255CharactersIsStarted)
{
    const std::string value = PaddedPath("\\Halcyra\\HalcyraSetup.exe", 255);
    ASSERT_EQ(value.size(), 255u);
    WriteSettings(value, QuickTimeStandIn());
    HCYDoInstall install(0);
    EXPECT_EQ(std::string(install.HalcyraInstallPath), value);
    install.InstallNow();
    std::string parameters;
    EXPECT_TRUE(ReadRecord(RecordOf(ProductStandIn()), &parameters));
    EXPECT_TRUE(gFailures.empty());
    EXPECT_TRUE(TakeQuitMessage());
}

// The shell completes a name without an extension to a program of that name:
// with a text file Inst\HalcyraSetup and the stand-in Inst\HalcyraSetup.exe
// beside it, the value Inst\HalcyraSetup must start nothing.
TEST_F(InstallActions, ValueWithoutAnExtensionStartsNothingAndSaysItNamesNoProgram)
{
    const std::string inst = fFolder + "\\Inst";
    CreateDirectoryA(inst.c_str(), nullptr);
    WriteFile(inst + "\\HalcyraSetup", "a text file, not a program\r\n");
    ASSERT_TRUE(CopyFileA(ProductStandIn().c_str(), (inst + "\\HalcyraSetup.exe").c_str(), FALSE));
    const std::string record = inst + "\\HalcyraSetup.args";
    struct Case {
        std::string value;
        int type;
    };
    const Case cases[] = {
        {"Inst\\HalcyraSetup", 0},
        {"Inst\\HalcyraSetup.", 0},
        {"Inst\\HalcyraSetup .", 0},
        {inst + "\\HalcyraSetup", 0},
        {"Inst\\HalcyraSetup", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value + " of type " + std::to_string(c.type));
        if (c.type == 0)
            WriteSettings(c.value, QuickTimeStandIn());
        else
            WriteSettings(ProductStandIn(), c.value);
        gFailures.clear();
        gFailureCodes.clear();
        HCYDoInstall install(c.type);
        install.InstallNow();
        EXPECT_EQ(gFailureCodes, std::vector<uint32_t>{kHCYErrNoExtension});
        EXPECT_EQ(gFailures, std::vector<std::string>{c.value});
        // The text comes from the launcher's own table and names the value.
        EXPECT_STREQ(XGPostError::gSMessage, "Installer Not Started");
        EXPECT_NE(std::string(XGPostError::gLMessage).find(c.value + " in setup.ini has no file name extension"),
                  std::string::npos) << XGPostError::gLMessage;
        EXPECT_FALSE(TakeQuitMessage());
    }
    Sleep(1500);
    EXPECT_FALSE(Exists(record));

    // The same file named whole is started, by the path relative to the folder.
    WriteSettings("Inst\\HalcyraSetup.exe", QuickTimeStandIn());
    gFailures.clear();
    HCYDoInstall install(0);
    install.InstallNow();
    std::string parameters;
    ASSERT_TRUE(ReadRecord(record, &parameters));
    EXPECT_EQ(parameters, "-a -a" + fFolder + "\\$ ");
    EXPECT_TRUE(gFailures.empty());
    EXPECT_TRUE(TakeQuitMessage());
}

// A batch-file installer is run by cmd. Started from folders whose names cmd
// would split or read as commands, the batch file must get exactly two
// parameters, -a and -a<folder>\$, and a b\$.bat planted where an unquoted
// "a & b\$" would name it must not run. Folders holding what cmd expands even
// in quotes are refused.
TEST_F(InstallActions, BatchInstallerGetsExactlyTheFolderAndNothingElseRuns)
{
    struct Case {
        const char* folder;
        const char* installer;
        bool started;
    };
    const Case cases[] = {
        {"plain", "setup.bat", true},
        {"a & b", "setup.bat", true},
        {"a&b", "setup.cmd", true},
        {"a && b", "setup.bat", true},
        {"x (1), y; z=w", "setup.bat", true},
        {"c^d ^& b", "setup.bat", true},
        {"50%", "setup.bat", false},
        {"a %PATH% & b", "setup.bat", false},
        {"hi! & b", "setup.cmd", false},
    };
    const std::string batch = DemoFolder() + "\\Halcyra\\HalcyraSetup.bat";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folder);
        const std::string folder = fFolder + "\\" + c.folder;
        const std::string inst = folder + "\\Inst";
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
        CreateDirectoryA(inst.c_str(), nullptr);
        ASSERT_TRUE(CopyFileA(batch.c_str(), (inst + "\\" + c.installer).c_str(), FALSE));
        ASSERT_TRUE(CopyFileA(ProductStandIn().c_str(), (inst + "\\HalcyraSetup.exe").c_str(), FALSE));
        CreateDirectoryA((folder + "\\b").c_str(), nullptr);
        WriteFile(folder + "\\b\\$.bat", "@echo ran> \"%~dp0ran.txt\"\r\n");
        WriteFile(folder + "\\setup.ini", std::string("[FilePath]\r\nHalcyra=Inst\\") + c.installer + "\r\n");
        ASSERT_TRUE(SetCurrentDirectoryA(folder.c_str()));
        gFailures.clear();
        gFailureCodes.clear();
        HCYDoInstall install(0);
        install.InstallNow();
        SetCurrentDirectoryA(fFolder.c_str());
        std::string parameters;
        if (c.started) {
            EXPECT_TRUE(ReadRecord(inst + "\\HalcyraSetup.args", &parameters));
            EXPECT_EQ(BatchWords(parameters), (std::vector<std::string>{"-a", "-a" + folder + "\\$"}))
                << "[" << parameters << "]";
            EXPECT_TRUE(gFailures.empty());
            EXPECT_TRUE(TakeQuitMessage());
            Sleep(1000);
        } else {
            EXPECT_EQ(gFailureCodes, std::vector<uint32_t>{kHCYErrBatchUnsafe});
            EXPECT_EQ(gFailures, std::vector<std::string>{inst + "\\" + c.installer});
            EXPECT_NE(std::string(XGPostError::gLMessage).find(folder), std::string::npos) << XGPostError::gLMessage;
            EXPECT_FALSE(TakeQuitMessage());
            Sleep(1500);
            EXPECT_FALSE(Exists(inst + "\\HalcyraSetup.args"));
        }
        EXPECT_FALSE(Exists(folder + "\\b\\ran.txt"));
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

// A folder whose path does not fit is unknown: the drive root's setup.ini,
// which names another installer, must not be read in its place.
TEST_F(InstallActions, CurrentDirectoryTooLongForTheBufferStartsNothingAndSaysWhy)
{
    const std::string rootIni = "C:\\setup.ini";
    WriteFile(rootIni, "[FilePath]\r\nHalcyra=" + ProductStandIn() + "\r\nQuicktime=" + QuickTimeStandIn() + "\r\n");
    for (size_t length : {256u, 258u}) {
        SCOPED_TRACE(length);
        const std::string folder = MakeFolderOfLength(fFolder + "\\long" + std::to_string(length), length);
        if (!SetCurrentDirectoryA(folder.c_str())) {
            ADD_FAILURE() << "this Wine does not take a current directory of " << length << " characters";
            continue;
        }
        for (int type : {0, 1}) {
            SCOPED_TRACE(type);
            gFailures.clear();
            HCYDoInstall install(type);
            EXPECT_STREQ(install.iniFullPath, "");
            EXPECT_STREQ(install.HalcyraInstallPath, "");
            EXPECT_STREQ(install.QuicktimeInstallPath, "");
            install.InstallNow();
            const std::string reported =
                "setup.ini (the current folder's path is longer than 255 characters or cannot be read)";
            EXPECT_EQ(gFailures, std::vector<std::string>{reported});
            EXPECT_FALSE(TakeQuitMessage());
        }
    }
    SetCurrentDirectoryA(fFolder.c_str());
    Sleep(1500);
    EXPECT_EQ(GetFileAttributesA(RecordOf(ProductStandIn()).c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetFileAttributesA(RecordOf(QuickTimeStandIn()).c_str()), INVALID_FILE_ATTRIBUTES);
    DeleteFileA(rootIni.c_str());
}

// From a folder named in Japanese, in Cyrillic or outside code page 1252
// (Ĉafé, beside Café, its look-alike there), with setup.ini in each encoding
// the profile functions read: the folder's own settings are read and the
// installer they name is started with the folder, and nothing of the
// neighbour's. An ANSI file names an ASCII subfolder (the code page cannot
// hold the names); the others name the folder's own name.
TEST_F(InstallActions, FolderInAnyScriptStartsTheInstallerItsSetupIniNamesInEachEncoding)
{
    const char* names[] = {"\xE3\x82\xA4\xE3\x83\xB3\xE3\x82\xB9\xE3\x83\x88\xE3\x83\xBC\xE3\x83\xAB",
                           "\xD0\xA3\xD1\x81\xD1\x82\xD0\xB0\xD0\xBD\xD0\xBE\xD0\xB2\xD0\xBA\xD0\xB0",
                           "\xC4\x88" "af\xC3\xA9"};
    const std::string neighbour = fFolder + "\\Caf\xC3\xA9";
    for (const char* name : names) {
        for (IniEncoding encoding : {kAnsiIni, kUtf16Ini, kUtf8BomIni}) {
            SCOPED_TRACE(std::string(name) + " " + std::to_string(encoding));
            const std::string folder = fFolder + "\\" + name;
            const std::string sub = encoding == kAnsiIni ? "Inst" : name;
            const std::string text =
                "[FilePath]\r\nHalcyra=" + sub + "\\HalcyraSetup.exe\r\nQuicktime=" + QuickTimeStandIn() + "\r\n";
            for (const std::string& place : {folder, neighbour}) {
                CreateDirectoryW(XGWide(place), nullptr);
                CreateDirectoryW(XGWide(place + "\\" + sub), nullptr);
                ASSERT_TRUE(CopyFileW(XGWide(ProductStandIn()), XGWide(place + "\\" + sub + "\\HalcyraSetup.exe"),
                                      FALSE));
                WriteBytes(place + "\\setup.ini", IniBytes(text, encoding));
            }
            ASSERT_TRUE(SetCurrentDirectoryW(XGWide(folder)));
            gFailures.clear();
            HCYDoInstall install(0);
            EXPECT_EQ(std::string(install.CurrDir), folder + "\\$ ");
            EXPECT_EQ(std::string(install.iniFullPath), folder + "\\setup.ini");
            EXPECT_EQ(std::string(install.HalcyraInstallPath), sub + "\\HalcyraSetup.exe");
            install.InstallNow();
            std::string parameters;
            EXPECT_TRUE(ReadRecord(folder + "\\" + sub + "\\HalcyraSetup.args", &parameters));
            EXPECT_EQ(parameters, "-a -a" + folder + "\\$ ");
            EXPECT_TRUE(gFailures.empty());
            EXPECT_TRUE(TakeQuitMessage());
            EXPECT_FALSE(Exists(neighbour + "\\" + sub + "\\HalcyraSetup.args"));
            SetCurrentDirectoryW(XGWide(fFolder));
            RemoveTree(folder);
            RemoveTree(neighbour);
        }
    }
}

// A value whose bytes are not text in setup.ini's encoding is refused with
// the alert that says so, and nothing is started: not the replacement the
// system makes of it, nor a look-alike that may name another program.
TEST_F(InstallActions, ValueNotValidInTheFileEncodingIsRefusedAndStartsNothing)
{
    struct Case {
        const char* what;
        std::string file;
    };
    std::vector<Case> cases = {
        {"UTF-8 with a Latin-1 byte", "\xEF\xBB\xBF[FilePath]\r\nHalcyra=Caf\xE9\\HalcyraSetup.exe\r\n"},
        {"UTF-16 with a lone surrogate",
         IniBytes("[FilePath]\r\nHalcyra=Caf", kUtf16Ini) + std::string("\x00\xD8", 2)
             + IniBytes("\\HalcyraSetup.exe\r\n", kUtf16Ini).substr(2)},
    };
    if (GetACP() == 932)
        cases.push_back({"Shift JIS with a lead byte and no trail byte", "[FilePath]\r\nHalcyra=Caf\x81\r\n"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteBytes(fFolder + "\\setup.ini", c.file);
        gFailures.clear();
        HCYDoInstall install(0);
        EXPECT_STREQ(install.HalcyraInstallPath, "");
        install.InstallNow();
        const std::string reported =
            fFolder + "\\setup.ini, key Halcyra in [FilePath] (not valid text in the file's encoding)";
        EXPECT_EQ(gFailures, std::vector<std::string>{reported});
        EXPECT_FALSE(TakeQuitMessage());
    }
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
