#include <gtest/gtest.h>
#include <windows.h>
#include <cstring>
#include <string>
#include "files/XGAppVersion.h"
#include "files/XGCopyrightWindow.h"
#include "files/XGDirectory.h"
#include "files/XGFileSpecifier.h"
#include "dispatch/XGGlobals.h"
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
