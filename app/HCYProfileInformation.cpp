#include "HCYProfileInformation.h"

#include "foundation/XGWide.h"

#include <cstring>
#include <string>
#include <windows.h>

namespace {

// What the profile functions make of bytes that are not text in the file's
// encoding (and of a lone surrogate in a UTF-16 file).
const char kReplacement[] = "\xEF\xBF\xBD";

// The settings file's bytes, for the check of an ANSI file's values; a file
// larger than this is no settings file, and its values are not checked.
const DWORD kLargestChecked = 1 << 20;

bool ReadWhole(const wchar_t* path, std::string& bytes)
{
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD size = GetFileSize(file, nullptr);
    bool read = size != INVALID_FILE_SIZE && size <= kLargestChecked;
    if (read) {
        bytes.resize(size);
        DWORD got = 0;
        read = size == 0 || (ReadFile(file, &bytes[0], size, &got, nullptr) && got == size);
    }
    CloseHandle(file);
    return read;
}

// A file without a byte order mark is read in the ANSI code page, which maps
// bytes it does not define to a default character of its own (a middle dot
// for Japanese, for one). Such a value comes back to other bytes than the
// file's: the value holds exactly when its bytes in the code page, with no
// look-alike and no default, are there in the file.
bool HoldsInAnsiFile(const wchar_t* path, const std::wstring& value)
{
    std::string file;
    if (!ReadWhole(path, file))
        return true;
    if (file.compare(0, 2, "\xFF\xFE") == 0 || file.compare(0, 2, "\xFE\xFF") == 0
        || file.compare(0, 3, "\xEF\xBB\xBF") == 0 || value.empty())
        return true;
    BOOL usedDefault = FALSE;
    int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, value.data(), int(value.size()), nullptr, 0,
                                     nullptr, &usedDefault);
    if (length <= 0 || usedDefault)
        return false;
    std::string bytes(size_t(length), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, value.data(), int(value.size()), &bytes[0], length, nullptr,
                        &usedDefault);
    return !usedDefault && file.find(bytes) != std::string::npos;
}

}  // namespace

HCYProfileInformation::HCYProfileInformation(char* iniPath)
    : FilePath(iniPath)
{
}

HCYProfileInformation::~HCYProfileInformation() = default;

HCYProfileInformation::Reading HCYProfileInformation::ReadProfileItem(const char* section, const char* key,
                                                                      char* RetVal)
{
    RetVal[0] = 0;
    // One character more than the caller's room: a value that fills it was cut.
    wchar_t value[kValueRoom + 1];
    XGWide path(FilePath);
    DWORD length = GetPrivateProfileStringW(XGWide(section), XGWide(key), L"", value, kValueRoom + 1, path);
    if (length >= static_cast<DWORD>(kValueRoom))
        return kTooLong;
    std::string text = XGWide::Narrow(value, length);
    if (text.find(kReplacement) != std::string::npos || !HoldsInAnsiFile(path, std::wstring(value, length)))
        return kNotValid;
    std::memcpy(RetVal, text.c_str(), text.size() + 1);
    return kRead;
}
