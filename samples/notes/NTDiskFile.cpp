#include "NTDiskFile.h"

#include "NTTextFile.h"

#include <windows.h>

#include "foundation/XGError.h"

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
    return digits >= 1 && digits <= 4 && lstrcmpiA(p, ".tmp") == 0;
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
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        if (found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))
            continue;
        // The pattern also matches longer names, and short 8.3 aliases.
        if (!IsOwnTemporaryName(found.cFileName))
            continue;
        ULONGLONG written = Ticks(found.ftLastWriteTime);
        if (written > Ticks(now) || Ticks(now) - written < kStaleTemporary)
            continue;
        DeleteFileA((pattern.substr(0, base) + found.cFileName).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

}  // namespace

std::string NTDiskFile::SystemMessage(unsigned long error)
{
    char text[512] = "";
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
                                  0, text, sizeof text, nullptr);
    std::string message(text, length);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' '
                                || message.back() == '.'))
        message.pop_back();
    if (message.empty())
        message = "system error " + std::to_string(error);
    return message;
}

std::string NTDiskFile::FullPath(const char* path)
{
    char full[MAX_PATH];
    DWORD length = GetFullPathNameA(path, sizeof full, full, nullptr);
    if (length == 0 || length >= sizeof full)
        return std::string();
    return std::string(full, length);
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
    FileHandle file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
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
    if (NTTextFile::Check(*bytes, bytes.GetSize()) == NTTextFile::kZeroByte) {
        cause = "It contains zero bytes, so it is not a text file that a text window can hold";
        return false;
    }
    return true;
}

bool NTDiskFile::ReadText(const char* path, XGHandle& text, NTTextFile::LineEnd& lineEnd, std::string& cause)
{
    if (!Read(path, text, cause))
        return false;
    lineEnd = NTTextFile::FindLineEnd(*text, text.GetSize());
    text.SetSize(uint32_t(NTTextFile::DecodeInPlace(*text, text.GetSize())));
    return true;
}

bool NTDiskFile::Write(const char* path, const std::string& bytes, std::string& cause)
{
    // A file that Notes would refuse to open is not written at all.
    switch (NTTextFile::Check(bytes.data(), bytes.size())) {
    case NTTextFile::kZeroByte:
        cause = "The text contains a zero byte, and a file with one could not be opened again";
        return false;
    case NTTextFile::kTooLarge:
        cause = "With its line ends it would be larger than the 2 GB that a text window can hold";
        return false;
    default:
        break;
    }
    // A read-only file stays as it is: replacing it would drop the
    // protection that its owner gave it.
    DWORD attributes = GetFileAttributesA(path);
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
    char temporary[MAX_PATH];
    if (!GetTempFileNameA(folder.c_str(), kTemporaryPrefix, 0, temporary)) {
        DWORD error = GetLastError();
        cause = error == ERROR_DIRECTORY || error == ERROR_PATH_NOT_FOUND || error == ERROR_FILE_NOT_FOUND
                    ? "Its folder " + folder + " is not there any more"
                    : SystemMessage(error);
        return false;
    }
    bool written = false;
    {
        FileHandle file(CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
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
    if (written && !MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        cause = SystemMessage(GetLastError());
        written = false;
    }
    if (!written)
        DeleteFileA(temporary);
    else
        RemoveStaleTemporaries(folder);
    return written;
}
