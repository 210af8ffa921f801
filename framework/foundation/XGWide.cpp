#include "XGWide.h"

#include <cstring>
#include <cwchar>

#include "XGUtf8.h"

#include <windows.h>
#include <vector>

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Win32's wide characters are UTF-16 units");

namespace {

std::wstring Widen(const char* text, size_t size)
{
    std::u16string wide = XGUtf8::ToUtf16(text, size);
    return std::wstring(reinterpret_cast<const wchar_t*>(wide.data()), wide.size());
}

} // namespace

XGWide::XGWide(const char* text)
    : fNull(text == nullptr)
{
    if (text)
        fText = Widen(text, std::strlen(text));
}

XGWide::XGWide(const char* text, size_t size)
    : fNull(text == nullptr)
{
    if (text)
        fText = Widen(text, size);
}

XGWide::XGWide(const std::string& text)
    : fText(Widen(text.data(), text.size()))
{
}

std::string XGWide::Narrow(const wchar_t* text)
{
    return text ? Narrow(text, std::wcslen(text)) : std::string();
}

std::string XGWide::Narrow(const wchar_t* text, size_t length)
{
    if (!text)
        return std::string();
    return XGUtf8::FromUtf16(reinterpret_cast<const char16_t*>(text), length);
}

std::string XGWide::ReadWindowText(HWND__* window)
{
    const int length = GetWindowTextLengthW(window);
    if (length <= 0)
        return std::string();
    // The length may be an upper bound; the copy says what it wrote.
    std::vector<wchar_t> buffer(size_t(length) + 1);
    const int copied = GetWindowTextW(window, buffer.data(), length + 1);
    return Narrow(buffer.data(), size_t(copied > 0 ? copied : 0));
}

void XGWide::ReadWindowText(HWND__* window, char* buffer, size_t bufferSize)
{
    XGUtf8::CopyFitting(ReadWindowText(window), buffer, bufferSize);
}
