#include "NTDiskFile.h"

#include "NTCodePage.h"
#include "NTTextFile.h"

#include <cstring>
#include <new>
#include <windows.h>

#include "foundation/XGError.h"
#include "foundation/XGWide.h"

namespace {

// Closes a file handle on every way out.
class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : fHandle(handle) {}
    ~FileHandle() { Close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool IsOpen() const { return fHandle != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return fHandle; }
    bool Close()
    {
        if (!IsOpen())
            return true;
        bool closed = CloseHandle(fHandle) != 0;
        fHandle = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE fHandle;
};

// Writes at most this much in one call: a call with a whole large document
// may fail for lack of system buffers where smaller ones succeed.
const DWORD kWriteChunk = 1 << 20;

std::string Folder(const std::string& path)
{
    std::string::size_type slash = path.find_last_of("\\/");
    if (slash == std::string::npos)
        return ".";
    // "C:\" stays a root; "C:\notes" becomes "C:\".
    if (slash == 2 && path[1] == ':')
        return path.substr(0, 3);
    return path.substr(0, slash);
}

// The temporaries of this program's saves: GetTempFileName with the prefix
// "ntn" names them "ntn", one to four hexadecimal digits and ".tmp".
const char kTemporaryPrefix[] = "ntn";

bool IsOwnTemporaryName(const char* name)
{
    for (int i = 0; i < 3; ++i) {
        if (name[i] == 0 || (name[i] | 0x20) != kTemporaryPrefix[i])
            return false;
    }
    const char* p = name + 3;
    int digits = 0;
    while ((*p >= '0' && *p <= '9') || (*p >= 'a' && *p <= 'f') || (*p >= 'A' && *p <= 'F')) {
        ++p;
        ++digits;
    }
    if (digits < 1 || digits > 4)
        return false;
    const char* ending = ".tmp";
    for (; *ending; ++p, ++ending) {
        if ((*p | 0x20) != *ending)
            return false;
    }
    return *p == 0;
}

// A save writes its temporary and puts it in place within seconds, holding
// it open unshared meanwhile; one untouched for this long was left by a save
// that never finished (the program was killed).
const ULONGLONG kStaleTemporary = 10ULL * 60 * 10000000;  // ten minutes in 100 ns units

ULONGLONG Ticks(const FILETIME& time)
{
    return (ULONGLONG(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

// Removes the stale temporaries of this program's naming from a folder.
// One still open in another save cannot be deleted and stays.
void RemoveStaleTemporaries(const std::string& folder)
{
    std::string pattern = folder;
    if (!pattern.empty() && pattern.back() != '\\' && pattern.back() != '/')
        pattern += '\\';
    std::string::size_type base = pattern.size();
    pattern += std::string(kTemporaryPrefix) + "*.tmp";
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(XGWide(pattern), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        if (found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))
            continue;
        // The pattern also matches longer names, and short 8.3 aliases.
        std::string name = XGWide::Narrow(found.cFileName);
        if (!IsOwnTemporaryName(name.c_str()))
            continue;
        ULONGLONG written = Ticks(found.ftLastWriteTime);
        if (written > Ticks(now) || Ticks(now) - written < kStaleTemporary)
            continue;
        DeleteFileW(XGWide(pattern.substr(0, base) + name));
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

}  // namespace

std::string NTDiskFile::SystemMessage(unsigned long error)
{
    wchar_t text[512] = L"";
    DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
                                  0, text, sizeof text / sizeof text[0], nullptr);
    std::string message = XGWide::Narrow(text, length);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' '
                                || message.back() == '.'))
        message.pop_back();
    if (message.empty())
        message = "system error " + std::to_string(error);
    return message;
}

std::string NTDiskFile::FullPath(const char* path)
{
    XGWide wide(path);
    // The first call answers the room needed, the terminating null included.
    DWORD room = GetFullPathNameW(wide, 0, nullptr, nullptr);
    if (room == 0)
        return std::string();
    std::wstring full(room, L'\0');
    DWORD length = GetFullPathNameW(wide, room, &full[0], nullptr);
    if (length == 0 || length >= room)
        return std::string();
    return XGWide::Narrow(full.data(), length);
}

const char* NTDiskFile::FileName(const char* path)
{
    const char* name = path;
    for (const char* p = path; *p; ++p) {
        if (*p == '\\' || *p == '/' || *p == ':')
            name = p + 1;
    }
    return name;
}

bool NTDiskFile::Read(const char* path, XGHandle& bytes, std::string& cause)
{
    FileHandle file(CreateFileW(XGWide(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen()) {
        cause = SystemMessage(GetLastError());
        return false;
    }
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.Get(), &size)) {
        cause = SystemMessage(GetLastError());
        return false;
    }
    if (uint64_t(size.QuadPart) > NTTextFile::kMaxSize) {
        cause = "It is larger than the 2 GB that a text window can hold";
        return false;
    }
    try {
        bytes.SetSize(uint32_t(size.QuadPart));
    } catch (const XGError&) {
        cause = "There is not enough memory to hold it";
        return false;
    }
    uint32_t done = 0;
    while (done < bytes.GetSize()) {
        uint32_t left = bytes.GetSize() - done;
        DWORD want = DWORD(left < kWriteChunk ? left : kWriteChunk);
        DWORD got = 0;
        if (!ReadFile(file.Get(), *bytes + done, want, &got, nullptr)) {
            cause = SystemMessage(GetLastError());
            return false;
        }
        if (got == 0)
            break;
        done += got;
    }
    // A file that shrank while it was read is read as it now ends.
    bytes.SetSize(done);
    return true;
}

bool NTDiskFile::ReadText(const char* path, XGHandle& text, NTTextFile::LineEnd& lineEnd,
                          NTEncoding::Kind& encoding, std::string& cause)
{
    if (!Read(path, text, cause))
        return false;
    encoding = NTEncoding::Detect(*text, text.GetSize());
    if (encoding == NTEncoding::kUtf8 || encoding == NTEncoding::kUtf8Bom) {
        // The common case costs no copy: a 100 MB file stays one block.
        text.SetSize(uint32_t(NTEncoding::DecodeUtf8InPlace(*text, text.GetSize(), encoding)));
    } else {
        std::string converted;
        bool decoded = true;
        try {
            if (encoding == NTEncoding::kAnsi)
                decoded = NTCodePage::Decode(*text, text.GetSize(), converted);
            else
                converted = NTEncoding::DecodeUtf16(*text, text.GetSize(), encoding);
        } catch (const std::bad_alloc&) {
            cause = "There is not enough memory to hold it";
            return false;
        }
        if (!decoded || NTTextFile::Check(nullptr, converted.size()) == NTTextFile::kTooLarge) {
            cause = "As text it is larger than the 2 GB that a text window can hold";
            return false;
        }
        try {
            text.SetSize(uint32_t(converted.size()));
        } catch (const XGError&) {
            cause = "There is not enough memory to hold it";
            return false;
        }
        if (!converted.empty())
            std::memcpy(*text, converted.data(), converted.size());
    }
    if (NTTextFile::Check(*text, text.GetSize()) == NTTextFile::kZeroByte) {
        cause = "It contains zero characters, so it is not a text file that a text window can hold";
        return false;
    }
    lineEnd = NTTextFile::FindLineEnd(*text, text.GetSize());
    text.SetSize(uint32_t(NTTextFile::DecodeInPlace(*text, text.GetSize())));
    return true;
}

NTDiskFile::Encoded NTDiskFile::EncodeText(const std::string& text, NTTextFile::LineEnd lineEnd,
                                           NTEncoding::Kind encoding, std::string& bytes, std::string& cause)
{
    // A file that Notes would refuse to open is not written at all.
    switch (NTTextFile::Check(text.data(), text.size())) {
    case NTTextFile::kZeroByte:
        cause = "The text contains a zero character, and a file with one could not be opened again";
        return kRefused;
    case NTTextFile::kTooLarge:
        cause = "It would be larger than the 2 GB that a text window can hold";
        return kRefused;
    default:
        break;
    }
    std::string lines = NTTextFile::Encode(text.data(), text.size(), lineEnd);
    if (encoding == NTEncoding::kAnsi) {
        if (!NTCodePage::Encode(lines.data(), lines.size(), bytes))
            return kNotHeld;
    } else {
        bytes = NTEncoding::Encode(lines.data(), lines.size(), encoding);
    }
    if (NTTextFile::Check(nullptr, bytes.size()) == NTTextFile::kTooLarge) {
        cause = "With its line ends it would be larger than the 2 GB that a text window can hold";
        return kRefused;
    }
    return kEncoded;
}

bool NTDiskFile::Write(const char* path, const std::string& bytes, std::string& cause)
{
    if (NTTextFile::Check(nullptr, bytes.size()) == NTTextFile::kTooLarge) {
        cause = "It would be larger than the 2 GB that a text window can hold";
        return false;
    }
    // A read-only file stays as it is: replacing it would drop the
    // protection that its owner gave it.
    DWORD attributes = GetFileAttributesW(XGWide(path));
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
            cause = "It is a folder";
            return false;
        }
        if (attributes & FILE_ATTRIBUTE_READONLY) {
            cause = "The file is read-only";
            return false;
        }
    }
    std::string folder = Folder(path);
    wchar_t temporary[MAX_PATH];
    if (!GetTempFileNameW(XGWide(folder), XGWide(kTemporaryPrefix), 0, temporary)) {
        DWORD error = GetLastError();
        cause = error == ERROR_DIRECTORY || error == ERROR_PATH_NOT_FOUND || error == ERROR_FILE_NOT_FOUND
                    ? "Its folder " + folder + " is not there any more"
                    : SystemMessage(error);
        return false;
    }
    bool written = false;
    {
        FileHandle file(CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                    nullptr));
        DWORD error = ERROR_SUCCESS;
        if (!file.IsOpen())
            error = GetLastError();
        size_t done = 0;
        while (error == ERROR_SUCCESS && done < bytes.size()) {
            DWORD want = DWORD(bytes.size() - done < kWriteChunk ? bytes.size() - done : kWriteChunk);
            DWORD put = 0;
            if (!WriteFile(file.Get(), bytes.data() + done, want, &put, nullptr))
                error = GetLastError();
            else if (put == 0)
                error = ERROR_DISK_FULL;
            done += put;
        }
        // Complete on disk before it may take the old file's place.
        if (error == ERROR_SUCCESS && !FlushFileBuffers(file.Get()))
            error = GetLastError();
        if (!file.Close() && error == ERROR_SUCCESS)
            error = GetLastError();
        written = error == ERROR_SUCCESS;
        if (!written)
            cause = SystemMessage(error);
    }
    if (written && !MoveFileExW(temporary, XGWide(path), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        cause = SystemMessage(GetLastError());
        written = false;
    }
    if (!written)
        DeleteFileW(temporary);
    else
        RemoveStaleTemporaries(folder);
    return written;
}
