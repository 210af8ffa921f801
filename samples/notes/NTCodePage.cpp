#include "NTCodePage.h"

#include "foundation/XGUtf8.h"
#include "foundation/XGWide.h"

#include <climits>
#include <windows.h>

namespace {

// Bytes in the code page, one character at a time, for a file that is not
// all valid there: each byte that starts no valid character becomes U+FFFD,
// which the code page cannot hold, so that saving asks instead of writing
// another byte in its place (the system's own default character would be
// written back as a real character).
std::wstring DecodeEach(const char* bytes, size_t size)
{
    std::wstring wide;
    wide.reserve(size);
    CPINFO info;
    bool doubleByte = GetCPInfo(CP_ACP, &info) && info.MaxCharSize == 2;
    for (size_t i = 0; i < size;) {
        int take = doubleByte && i + 1 < size && IsDBCSLeadByteEx(CP_ACP, BYTE(bytes[i])) ? 2 : 1;
        wchar_t unit[2];
        int units = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes + i, take, unit, 2);
        if (units <= 0) {
            wide.push_back(wchar_t(0xFFFD));
            ++i;
            continue;
        }
        wide.append(unit, size_t(units));
        i += size_t(take);
    }
    return wide;
}

}  // namespace

bool NTCodePage::Decode(const char* bytes, size_t size, std::string& text)
{
    text.clear();
    if (size == 0)
        return true;
    if (size > size_t(INT_MAX))
        return false;
    int units = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes, int(size), nullptr, 0);
    if (units <= 0) {
        std::wstring wide = DecodeEach(bytes, size);
        text = XGWide::Narrow(wide.data(), wide.size());
        return true;
    }
    std::wstring wide(size_t(units), L'\0');
    if (MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes, int(size), &wide[0], units) != units)
        return false;
    text = XGWide::Narrow(wide.data(), wide.size());
    return true;
}

bool NTCodePage::Encode(const char* text, size_t size, std::string& bytes)
{
    bytes.clear();
    if (size == 0)
        return true;
    // Ill-formed UTF-8 would reach the code page as U+FFFD, which it lacks.
    if (!XGUtf8::IsValid(text, size))
        return false;
    XGWide wide(text, size);
    int units = wide.Length();
    BOOL usedDefault = FALSE;
    int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.Get(), units, nullptr, 0, nullptr,
                                     &usedDefault);
    if (length <= 0 || usedDefault)
        return false;
    std::string out(size_t(length), '\0');
    if (WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.Get(), units, &out[0], length, nullptr,
                            &usedDefault) != length
        || usedDefault)
        return false;
    // Some tables map a character to bytes that read back as another one
    // without calling it a default; reading back is the one sure test.
    int back = MultiByteToWideChar(CP_ACP, 0, out.data(), length, nullptr, 0);
    if (back != units)
        return false;
    std::wstring check(size_t(back), L'\0');
    MultiByteToWideChar(CP_ACP, 0, out.data(), length, &check[0], back);
    if (check != wide.String())
        return false;
    bytes.swap(out);
    return true;
}
