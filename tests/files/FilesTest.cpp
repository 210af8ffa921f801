#include <gtest/gtest.h>
#include <windows.h>
#include <cstring>
#include <string>
#include "files/XGAppVersion.h"
#include "files/XGCopyrightWindow.h"
#include "files/XGDirectory.h"
#include "files/XGFileSpecifier.h"
#include "dispatch/XGGlobals.h"
#include "core/XGAppArgs.h"
#include "foundation/XGWide.h"
#include "../support/TestWin32.h"

namespace {

class FilesTest : public ::testing::Test {
protected:
    void SetUp() override { testsupport::InitProcess(); }
};

TEST_F(FilesTest, ApplicationFolderIsTheFolderOfTheRunningProgram)
{
    XGDirectory::InitDirectoryInfo();
    const XGDirectory& directory = XGDirectory::GetAppDirectory();
    ASSERT_TRUE(directory.IsInit());
    // The build puts this test in its binary folder; Wine shows it on drive Z:.
    std::string expected = std::string("Z:") + KEBO_TEST_BINARY_DIR + "/";
    for (char& c : expected)
        if (c == '/')
            c = '\\';
    EXPECT_STREQ(expected.c_str(), directory.GetPath());
}

// Run as a copy of this program from another folder: writes the application
// folder and the arguments of its command line, as UTF-8, to the file that
// KEBO_FILES_REPORT names.
TEST_F(FilesTest, ReportsItsFolderAndArgumentsWhenAsked)
{
    wchar_t report[1024];
    if (GetEnvironmentVariableW(L"KEBO_FILES_REPORT", report, 1024) == 0)
        GTEST_SKIP() << "only run by the test below";
    XGDirectory::InitDirectoryInfo();
    const std::string line = XGWide::Narrow(GetCommandLineW());
    const std::string text = std::string(XGDirectory::GetAppDirectory().GetPath()) + "\n"
        + XGSkipProgramName(line.c_str());
    HANDLE file = CreateFileW(report, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    DWORD written = 0;
    WriteFile(file, text.data(), DWORD(text.size()), &written, nullptr);
    CloseHandle(file);
}

TEST_F(FilesTest, FolderAndArgumentsOutsideTheAnsiCodePageArriveWhole)
{
    // Ĉ and the emoji fit no ANSI code page; the Greek and Japanese fit only their own.
    const std::string folderName = "\xC4\x88" "af\xC3\xA9 \xCE\xA9 \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x98\x80";
    wchar_t temp[MAX_PATH];
    ASSERT_NE(0u, GetTempPathW(MAX_PATH, temp));
    const std::wstring folder = std::wstring(temp) + XGWide(folderName).Get();
    CreateDirectoryW(folder.c_str(), nullptr);
    wchar_t self[MAX_PATH];
    ASSERT_NE(0u, GetModuleFileNameW(nullptr, self, MAX_PATH));
    const std::wstring copy = folder + L"\\files copy.exe";
    const std::wstring report = folder + L"\\report.txt";
    ASSERT_TRUE(CopyFileW(self, copy.c_str(), FALSE));
    DeleteFileW(report.c_str());

    const std::string argument = "\xD0\x96\xD1\x83\xD1\x80\xD0\xBD\xD0\xB0\xD0\xBB \xF0\x9F\x93\x93.txt";
    std::wstring command = L"\"" + copy + L"\" --gtest_filter=FilesTest.ReportsItsFolderAndArgumentsWhenAsked \""
        + XGWide(argument).Get() + L"\"";
    SetEnvironmentVariableW(L"KEBO_FILES_REPORT", report.c_str());
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    const BOOL started = CreateProcessW(copy.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                                        nullptr, &startup, &process);
    SetEnvironmentVariableW(L"KEBO_FILES_REPORT", nullptr);
    ASSERT_TRUE(started);
    WaitForSingleObject(process.hProcess, 60000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    std::string text;
    HANDLE file = CreateFileW(report.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file) << "the copy wrote no report";
    char buffer[4096];
    DWORD read = 0;
    if (ReadFile(file, buffer, sizeof buffer, &read, nullptr))
        text.assign(buffer, read);
    CloseHandle(file);
    DeleteFileW(report.c_str());
    DeleteFileW(copy.c_str());
    RemoveDirectoryW(folder.c_str());

    const std::string expectedFolder = XGWide::Narrow(folder.c_str()) + "\\";
    EXPECT_EQ(expectedFolder + "\n--gtest_filter=FilesTest.ReportsItsFolderAndArgumentsWhenAsked \"" + argument + "\"",
              text);
}

TEST_F(FilesTest, FileSpecifierTakesACopyOfThePath)
{
    char path[] = "C:\\doc.txt";
    XGFileSpecifier file;
    file = path;
    path[0] = 'X';
    EXPECT_STREQ("C:\\doc.txt", file.GetPath());
    file = "D:\\other.txt";
    EXPECT_STREQ("D:\\other.txt", file.GetPath());
}

struct VersionCase {
    short size;
    const char* text;
};

class AppVersionTest : public ::testing::TestWithParam<VersionCase> {};

TEST_P(AppVersionTest, ReadsFileVersionFromTheProgramsResource)
{
    char buffer[64];
    memset(buffer, '#', sizeof(buffer));
    ASSERT_TRUE(XGGetAppVersion(buffer, GetParam().size));
    EXPECT_STREQ(GetParam().text, buffer);
}

INSTANTIATE_TEST_SUITE_P(Sizes, AppVersionTest, ::testing::Values(
    VersionCase {64, "1.1"}, VersionCase {4, "1.1"}, VersionCase {3, "1."}, VersionCase {1, ""}));

TEST_F(FilesTest, SplashWindowShowsBitmap128Centred)
{
    HWND window = XGCreateCopyrightWindow();
    ASSERT_NE(nullptr, window);

    char text[64];
    GetWindowTextA(window, text, sizeof(text));
    EXPECT_STREQ("Copyright", text);
    GetClassNameA(window, text, sizeof(text));
    EXPECT_STREQ(_GCopyrightClass, text);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);

    // The picture is 64 by 32; the window adds the dialog frame around it.
    RECT bounds;
    GetWindowRect(window, &bounds);
    int width = 64 + 2 * GetSystemMetrics(SM_CXDLGFRAME);
    int height = 32 + 2 * GetSystemMetrics(SM_CYDLGFRAME);
    EXPECT_EQ(width, bounds.right - bounds.left);
    EXPECT_EQ(height, bounds.bottom - bounds.top);
    EXPECT_EQ((GetSystemMetrics(SM_CXSCREEN) - width) / 2, bounds.left);
    EXPECT_EQ((GetSystemMetrics(SM_CYSCREEN) - height) / 2, bounds.top);

    DestroyWindow(window);
}

TEST_F(FilesTest, SplashPaintsTheBitmapAndTheVersionAtTheRight)
{
    HWND window = XGCreateCopyrightWindow();
    ASSERT_NE(nullptr, window);
    // Paint into a memory bitmap through the window's own painting.
    HDC screen = GetDC(window);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 64, 32);
    HGDIOBJ old = SelectObject(memory, bitmap);
    ReleaseDC(window, screen);
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
    screen = GetDC(window);
    BitBlt(memory, 0, 0, 64, 32, screen, 0, 0, SRCCOPY);
    ReleaseDC(window, screen);

    // Left half teal, right half orange, as drawn in copyright.bmp; the
    // version text sits in the top right corner in black.
    EXPECT_EQ(RGB(0x20, 0x80, 0xC0), GetPixel(memory, 2, 30));
    EXPECT_EQ(RGB(0xF0, 0x90, 0x10), GetPixel(memory, 60, 30));
    bool textDrawn = false;
    for (int y = 0; y < 14 && !textDrawn; ++y)
        for (int x = 32; x < 64 - 5 && !textDrawn; ++x)
            textDrawn = GetPixel(memory, x, y) != RGB(0xF0, 0x90, 0x10);
    EXPECT_TRUE(textDrawn);
    for (int y = 0; y < 32; ++y)
        for (int x = 64 - 4; x < 64; ++x)
            EXPECT_EQ(RGB(0xF0, 0x90, 0x10), GetPixel(memory, x, y)) << x << "," << y;

    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    DestroyWindow(window);
}

TEST_F(FilesTest, SplashIsNotMadeWithoutBitmap128)
{
    // A module that carries no bitmap 128 stands in for the program.
    _GInstance = GetModuleHandleA("kernel32.dll");
    ASSERT_NE(nullptr, _GInstance);
    EXPECT_EQ(nullptr, XGCreateCopyrightWindow());
    EXPECT_EQ(nullptr, FindWindowA(_GCopyrightClass, nullptr));
    _GInstance = GetModuleHandleA(nullptr);
}

}
