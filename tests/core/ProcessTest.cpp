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

TEST(ProcessTest, FrameworkProgramStartsRunsItsLoopAndEndsWithZero)
{
    char temp[MAX_PATH];
    GetTempPathA(sizeof(temp), temp);
    std::string report = std::string(temp) + "core_app_report.txt";
    DeleteFileA(report.c_str());

    std::string command = "\"" + Folder() + "core_app.exe\" \"" + report + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &process));
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    EXPECT_EQ(0u, exitCode);
    std::ifstream file(report);
    std::string line;
    std::getline(file, line);
    // One document argument: no 'oapp'; five turns; its own version resource.
    EXPECT_EQ("turns=5 open=0 version=1.1", line);
}

}
