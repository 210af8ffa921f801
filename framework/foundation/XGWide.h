#pragma once
#include <cstddef>
#include <string>

struct HWND__;

// The UTF-16 form of a UTF-8 string, made right at a W function's call:
//     SetWindowTextW(fWindow, XGWide(title));
// Ill-formed UTF-8 arrives as U+FFFD, never as a shorter or different string. A null
// pointer stays null, for the W functions where null means "none".
class XGWide {
public:
    // construction
    explicit XGWide(const char* text);
    XGWide(const char* text, size_t size);
    explicit XGWide(const std::string& text);

    operator const wchar_t*() const { return fNull ? nullptr : fText.c_str(); }
    const wchar_t* Get() const { return fNull ? nullptr : fText.c_str(); }
    // In UTF-16 units, without the terminating null.
    int Length() const { return int(fText.size()); }
    std::wstring& String() { return fText; }

    // UTF-16 from the system back to UTF-8; lone surrogates become U+FFFD. The first
    // form reads up to the terminating null; null reads as empty.
    static std::string Narrow(const wchar_t* text);
    static std::string Narrow(const wchar_t* text, size_t length);
    // A window's whole text (title, control text) in UTF-8, sized by the window.
    static std::string ReadWindowText(HWND__* window);
    // The same, copied into a buffer of bufferSize bytes, cut at a character boundary.
    static void ReadWindowText(HWND__* window, char* buffer, size_t bufferSize);

private:
    std::wstring fText;
    bool fNull = false;
};
