#include "core/XGAppArgs.h"
#include <cstring>

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
        strncpy(buffer, text, kXGAppArgsBufferSize - 1);
        buffer[kXGAppArgsBufferSize - 1] = 0;
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
