// What another program does with text around a running KEBO Notes, for its
// end-to-end test: types characters into it as the system delivers them,
// puts text on the clipboard, reads the clipboard back. Text goes in and out
// as UTF-8 files (relative names: the test's folder is the current one), so
// nothing depends on the ANSI code page of the command line.
//
//   notes_text type FILE    each UTF-16 unit of FILE's text posted as one
//                           WM_CHAR to the window with the keyboard focus in
//                           Notes (a surrogate pair as two messages)
//   notes_text put FILE     FILE's text on the clipboard as CF_UNICODETEXT
//   notes_text get FILE     the clipboard's CF_UNICODETEXT written to FILE
//
// Prints one line: "posted N", "put N", "got N" (N UTF-16 units), or what
// went wrong. The conversions are the system's own, independent of the
// framework's.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

bool ReadFileBytes(const char* name, std::string& bytes)
{
    FILE* file = std::fopen(name, "rb");
    if (!file)
        return false;
    char buffer[4096];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, got);
    std::fclose(file);
    return true;
}

bool WriteFileBytes(const char* name, const std::string& bytes)
{
    FILE* file = std::fopen(name, "wb");
    if (!file)
        return false;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

// Invalid UTF-8 fails rather than turning into U+FFFD: the test's own bytes
// must be what it means.
bool ToUtf16(const std::string& bytes, std::wstring& units)
{
    if (bytes.empty())
        return true;
    int count = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), int(bytes.size()), nullptr, 0);
    if (count <= 0)
        return false;
    units.resize(size_t(count));
    return MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), int(bytes.size()), &units[0], count) ==
           count;
}

std::string ToUtf8(const wchar_t* units, int count)
{
    if (count == 0)
        return std::string();
    int size = WideCharToMultiByte(CP_UTF8, 0, units, count, nullptr, 0, nullptr, nullptr);
    if (size <= 0)
        return std::string();
    std::string bytes(size_t(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, units, count, &bytes[0], size, nullptr, nullptr);
    return bytes;
}

BOOL CALLBACK FindFrame(HWND window, LPARAM data)
{
    wchar_t text[256] = L"";
    GetWindowTextW(window, text, 256);
    if (std::wcsncmp(text, L"KEBO Notes", 10) == 0 && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(data) = window;
        return FALSE;
    }
    return TRUE;
}

int Type(const std::wstring& units)
{
    HWND frame = nullptr;
    EnumWindows(FindFrame, reinterpret_cast<LPARAM>(&frame));
    if (!frame) {
        std::printf("no frame\n");
        return 1;
    }
    GUITHREADINFO info;
    std::memset(&info, 0, sizeof info);
    info.cbSize = sizeof info;
    DWORD thread = GetWindowThreadProcessId(frame, nullptr);
    if (!GetGUIThreadInfo(thread, &info) || !info.hwndFocus) {
        std::printf("no focus\n");
        return 1;
    }
    // A repeat count of one and the scan code left zero, as an input
    // method's characters come.
    for (wchar_t unit : units)
        PostMessageW(info.hwndFocus, WM_CHAR, WPARAM(unit), 1);
    std::printf("posted %u\n", unsigned(units.size()));
    return 0;
}

int Put(const std::wstring& units)
{
    const size_t size = (units.size() + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    void* bytes = block ? GlobalLock(block) : nullptr;
    if (!bytes) {
        std::printf("no memory\n");
        return 1;
    }
    std::memcpy(bytes, units.c_str(), size);
    GlobalUnlock(block);
    if (!OpenClipboard(nullptr)) {
        GlobalFree(block);
        std::printf("clipboard busy\n");
        return 1;
    }
    EmptyClipboard();
    bool taken = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
    CloseClipboard();
    if (!taken) {
        GlobalFree(block);
        std::printf("not taken\n");
        return 1;
    }
    std::printf("put %u\n", unsigned(units.size()));
    return 0;
}

int Get(const char* name)
{
    if (!OpenClipboard(nullptr)) {
        std::printf("clipboard busy\n");
        return 1;
    }
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const wchar_t* units = data ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
    if (!units) {
        CloseClipboard();
        std::printf("no text\n");
        return 1;
    }
    int count = 0;
    const int limit = int(GlobalSize(data) / sizeof(wchar_t));
    while (count < limit && units[count] != 0)
        ++count;
    std::string bytes = ToUtf8(units, count);
    GlobalUnlock(data);
    CloseClipboard();
    if (!WriteFileBytes(name, bytes)) {
        std::printf("cannot write %s\n", name);
        return 1;
    }
    std::printf("got %d\n", count);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    std::string command = argv[1];
    if (command == "get")
        return Get(argv[2]);
    std::string bytes;
    std::wstring units;
    if (!ReadFileBytes(argv[2], bytes) || !ToUtf16(bytes, units)) {
        std::printf("cannot read UTF-8 from %s\n", argv[2]);
        return 1;
    }
    if (command == "type")
        return Type(units);
    if (command == "put")
        return Put(units);
    return 2;
}
