#include "HCYLaunchRule.h"

#include <cstdio>
#include <cstring>

namespace {

// Where the name of the last part of a path begins, and where it ends once
// the dots and blanks that Windows drops from a file name are left out.
void NameOf(const char* path, const char** begin, const char** end)
{
    const char* start = path;
    for (const char* p = path; *p; ++p)
        if (*p == '\\' || *p == '/' || *p == ':')
            start = p + 1;
    const char* stop = start + std::strlen(start);
    while (stop > start && (stop[-1] == '.' || stop[-1] == ' '))
        --stop;
    *begin = start;
    *end = stop;
}

// Characters cmd changes or acts on even inside double quotes.
char UnsafeInQuotes(const char* text)
{
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p)
        if (*p == '%' || *p == '!' || *p == '"' || *p < 0x20 || *p == 0x7F)
            return static_cast<char>(*p);
    return 0;
}

// Characters that cmd passes on unchanged outside quotes, as part of one
// parameter; any other one (blanks, & | < > ^ ( ) , ; = among them) needs
// the quotes. Bytes above 0x7F are letters of the code page.
bool PlainOutsideQuotes(const char* text)
{
    static const char kPlain[] = "\\:._-$~#@{}[]'+`";
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
        bool plain = (*p >= 'a' && *p <= 'z') || (*p >= 'A' && *p <= 'Z') || (*p >= '0' && *p <= '9') ||
                     *p >= 0x80 || std::strchr(kPlain, *p) != nullptr;
        if (!plain)
            return false;
    }
    return true;
}

bool SameLetters(const char* a, const char* b, size_t length)
{
    for (size_t i = 0; i < length; ++i) {
        char x = a[i] >= 'A' && a[i] <= 'Z' ? char(a[i] - 'A' + 'a') : a[i];
        if (x != b[i])
            return false;
    }
    return true;
}

}

HCYLaunchRule::HCYLaunchRule(const char* path, const char* folder)
    : fVerdict(kStart)
    , fHasParameters(folder != nullptr)
    , fUnsafe(0)
{
    fParameters[0] = 0;
    if (!HasExtension(path)) {
        fVerdict = kNoExtension;
        return;
    }
    if (!IsBatchFile(path)) {
        if (folder)
            std::snprintf(fParameters, sizeof(fParameters), "-a -a%s", folder);
        return;
    }
    fUnsafe = UnsafeInQuotes(path);
    if (!fUnsafe && folder)
        fUnsafe = UnsafeInQuotes(folder);
    if (fUnsafe) {
        fVerdict = kUnsafeForBatch;
        return;
    }
    if (!folder)
        return;
    // The folder's closing blank stays outside the quotes, so the batch's
    // second parameter is "-a" and the folder whole, as a plain folder gives it.
    size_t length = std::strlen(folder);
    bool blank = length > 0 && folder[length - 1] == ' ';
    char word[kParameterRoom];
    std::snprintf(word, sizeof(word), "%.*s", int(blank ? length - 1 : length), folder);
    if (PlainOutsideQuotes(word))
        std::snprintf(fParameters, sizeof(fParameters), "-a -a%s", folder);
    else
        std::snprintf(fParameters, sizeof(fParameters), "-a \"-a%s\"%s", word, blank ? " " : "");
}

const char* HCYLaunchRule::GetParameters() const
{
    return fVerdict == kStart && fHasParameters ? fParameters : nullptr;
}

bool HCYLaunchRule::HasExtension(const char* path)
{
    const char* begin;
    const char* end;
    NameOf(path, &begin, &end);
    const char* dot = nullptr;
    for (const char* p = begin; p < end; ++p)
        if (*p == '.')
            dot = p;
    return dot && dot + 1 < end;
}

bool HCYLaunchRule::IsBatchFile(const char* path)
{
    const char* begin;
    const char* end;
    NameOf(path, &begin, &end);
    if (end - begin < 4 || end[-4] != '.')
        return false;
    return SameLetters(end - 3, "bat", 3) || SameLetters(end - 3, "cmd", 3);
}
