#include "core/XGAppArgs.h"
#include <cstring>

#include "foundation/XGUtf8.h"

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

}

int XGSplitAppArgs(const char* text, char (&buffer)[kXGAppArgsBufferSize], char* (&args)[kXGAppArgsMax])
{
    buffer[0] = 0;
    if (text) {
        const size_t size = std::strlen(text);
        size_t end = 0;
        for (int n = 0; n < kXGAppArgsCharacters && end < size; ++n)
            end = XGUtf8::Next(text, size, end);
        std::memcpy(buffer, text, end);
        buffer[end] = 0;
    }

    int count = 0;
    char* p = buffer;
    while (count < kXGAppArgsMax) {
        while (*p && IsBlank(*p))
            ++p;
        if (!*p)
            break;
        if (*p == '"') {
            ++p;
            args[count++] = p;
            while (*p && *p != '"')
                ++p;
        } else {
            args[count++] = p;
            while (*p && !IsBlank(*p))
                ++p;
        }
        if (!*p)
            break;
        *p++ = 0;
    }
    return count;
}

const char* XGSkipProgramName(const char* commandLine)
{
    if (!commandLine)
        return nullptr;
    const char* p = commandLine;
    if (*p == '"') {
        ++p;
        while (*p && *p != '"')
            ++p;
        if (*p == '"')
            ++p;
    } else {
        while (*p && *p != ' ' && *p != '\t')
            ++p;
    }
    while (*p == ' ' || *p == '\t')
        ++p;
    return p;
}
