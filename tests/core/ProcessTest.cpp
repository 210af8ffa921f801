#include <gtest/gtest.h>
#include <windows.h>
#include <fstream>
#include <string>

namespace {

std::string Folder()
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof(path));
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::string ReportPath(const char* name)
{
    char temp[MAX_PATH];
    GetTempPathA(sizeof(temp), temp);
    std::string report = std::string(temp) + name;
    DeleteFileA(report.c_str());
    return report;
}

std::string FirstLine(const std::string& path)
{
    std::ifstream file(path);
    std::string line;
    std::getline(file, line);
    return line;
}

PROCESS_INFORMATION StartCoreApp(const std::string& arguments)
{
    std::string command = "\"" + Folder() + "core_app.exe\" " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        ADD_FAILURE() << "core_app.exe did not start";
    return process;
}

DWORD WaitForExit(PROCESS_INFORMATION& process)
{
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exitCode;
}

struct Search {
    DWORD process;
    HWND found;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM data)
{
    Search* search = reinterpret_cast<Search*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->process && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

TEST(ProcessTest, FrameworkProgramStartsRunsItsLoopAndEndsWithZero)
{
    std::string report = ReportPath("core_app_report.txt");
    PROCESS_INFORMATION process = StartCoreApp("\"" + report + "\"");
    ASSERT_NE(nullptr, process.hProcess);
    EXPECT_EQ(0u, WaitForExit(process));
    std::string line = FirstLine(report);
    // One document argument: no 'oapp'; five turns; its own version resource.
    EXPECT_EQ("turns=5 open=0 version=1.1", line);
}

TEST(ProcessTest, ProgramWithoutApplicationShowsTheCoreErrorAndEndsWithZero)
{
    std::string report = ReportPath("core_app_entry.txt");
    PROCESS_INFORMATION process = StartCoreApp("--no-application " + report);
    ASSERT_NE(nullptr, process.hProcess);

    // The alert is the program's only window; answer it like a user would.
    Search search = {process.dwProcessId, nullptr};
    while (!search.found && WaitForSingleObject(process.hProcess, 50) == WAIT_TIMEOUT)
        EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
    ASSERT_NE(nullptr, search.found) << "no alert was shown";
    char title[64] = "";
    GetWindowTextA(search.found, title, sizeof(title));
    EXPECT_STREQ("Error", title);
    PostMessageA(search.found, WM_CHAR, VK_RETURN, 0);

    EXPECT_EQ(0u, WaitForExit(process));
    EXPECT_EQ("title=Application Core Error", FirstLine(report));
}

}
