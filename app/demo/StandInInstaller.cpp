// A stand-in for one of the installers that the launcher starts. It records
// the parameters it was given in a file next to itself (HalcyraSetup.exe
// writes HalcyraSetup.args), as UTF-8 of the UTF-16 command line the system
// gave it, so that a folder in any script is recorded as it was passed; and,
// unless the environment sets HALCYRA_STANDIN_QUIET, shows them in a message
// box. It is not built on the framework: it converts with the system itself.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

// The command line after the program name and the blanks that follow it, as
// WinMain's lpCmdLine gives it; trailing blanks are kept.
const wchar_t* ParametersOf(const wchar_t* line)
{
    if (*line == L'"') {
        ++line;
        while (*line && *line != L'"')
            ++line;
        if (*line == L'"')
            ++line;
    } else {
        while (*line && *line != L' ' && *line != L'\t')
            ++line;
    }
    while (*line == L' ' || *line == L'\t')
        ++line;
    return line;
}

std::string Utf8(const wchar_t* text)
{
    int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 1)
        return std::string();
    std::string out(size_t(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, &out[0], length, nullptr, nullptr);
    out.resize(size_t(length - 1));
    return out;
}

}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    const wchar_t* parameters = ParametersOf(GetCommandLineW());

    // A path of up to 32767 units, as the system may give one.
    std::wstring record(32768, L'\0');
    DWORD length = GetModuleFileNameW(nullptr, &record[0], DWORD(record.size()));
    if (length == 0 || length >= record.size())
        return 1;
    record.resize(length);
    std::wstring::size_type dot = record.rfind(L'.');
    if (dot == std::wstring::npos)
        return 1;
    record = record.substr(0, dot) + L".args";
    std::string bytes = Utf8(parameters);
    if (FILE* file = _wfopen(record.c_str(), L"wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }

    if (!GetEnvironmentVariableW(L"HALCYRA_STANDIN_QUIET", nullptr, 0)) {
        std::wstring text =
            L"This stand-in was started by the Halcyra launcher.\n\nParameters, between the brackets:\n[";
        text += parameters;
        text += L"]\n\nThey were also written to\n";
        text += record;
        MessageBoxW(nullptr, text.c_str(), L"" STANDIN_TITLE, MB_OK | MB_ICONINFORMATION);
    }
    return 0;
}
