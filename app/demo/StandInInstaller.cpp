// A stand-in for one of the installers that the launcher starts. It records
// the parameters it was given, byte for byte, in a file next to itself
// (HalcyraSetup.exe writes HalcyraSetup.args) and, unless the environment sets
// HALCYRA_STANDIN_QUIET, shows them in a message box.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

// The command line after the program name and the blanks that follow it, as
// WinMain's lpCmdLine gives it; trailing blanks are kept.
const char* ParametersOf(const char* line)
{
    if (*line == '"') {
        ++line;
        while (*line && *line != '"')
            ++line;
        if (*line == '"')
            ++line;
    } else {
        while (*line && *line != ' ' && *line != '\t')
            ++line;
    }
    while (*line == ' ' || *line == '\t')
        ++line;
    return line;
}

}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    const char* parameters = ParametersOf(GetCommandLineA());

    char record[MAX_PATH + 8] = {};
    DWORD length = GetModuleFileNameA(nullptr, record, MAX_PATH);
    char* dot = std::strrchr(record, '.');
    if (length == 0 || !dot)
        return 1;
    std::strcpy(dot, ".args");
    if (FILE* file = std::fopen(record, "wb")) {
        std::fwrite(parameters, 1, std::strlen(parameters), file);
        std::fclose(file);
    }

    if (!GetEnvironmentVariableA("HALCYRA_STANDIN_QUIET", nullptr, 0)) {
        std::string text = "This stand-in was started by the Halcyra launcher.\n\nParameters, between the brackets:\n[";
        text += parameters;
        text += "]\n\nThey were also written to\n";
        text += record;
        MessageBoxA(nullptr, text.c_str(), STANDIN_TITLE, MB_OK | MB_ICONINFORMATION);
    }
    return 0;
}
