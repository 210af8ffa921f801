#include "dialogs/XGDialogText.h"
#include <cstring>

void XGDialogText::ModifyText(char* text, const char* const* strings)
{
    char work[kBufferSize];
    int length = 0;
    auto put = [&](char c) {
        if (length < kBufferSize - 1)
            work[length++] = c;
    };
    for (const char* p = text; *p != 0 && length < kBufferSize - 1; ++p) {
        if (p[0] == '^' && p[1] >= '0' && p[1] <= '3') {
            // A missing string stands for nothing rather than crashing the alert.
            const char* s = strings ? strings[p[1] - '0'] : nullptr;
            for (; s && *s; ++s)
                put(*s);
            ++p;
        } else {
            put(*p);
        }
    }
    work[length] = 0;
    std::memcpy(text, work, size_t(length) + 1);
}
