#include "core/XGAppMultiWindowRules.h"

static signed char FoldAToZ(char c)
{
    if (c >= 'a' && c <= 'z')
        c = char(c - 'a' + 'A');
    return static_cast<signed char>(c);
}

int XGAppMultiWindowRules::CompareTitles(const char* a, const char* b)
{
    for (;; ++a, ++b) {
        signed char ca = FoldAToZ(*a), cb = FoldAToZ(*b);
        if (ca == cb) {
            if (ca == 0)
                return 0;
            continue;
        }
        // The end of a title is checked before the signed order: a byte from
        // 0x80 up is negative, and would otherwise sort a longer title first.
        if (ca == 0 || cb == 0)
            return ca == 0 ? -1 : 1;
        return ca < cb ? -1 : 1;
    }
}

int XGAppMultiWindowRules::CompareWindows(uint16_t attributesA, const char* titleA,
                                          uint16_t attributesB, const char* titleB)
{
    int16_t a = static_cast<int16_t>(attributesA), b = static_cast<int16_t>(attributesB);
    if (a != b)
        return a < b ? -1 : 1;
    return CompareTitles(titleA, titleB);
}

bool XGAppMultiWindowRules::IsWindowItem(int32_t command)
{
    return command >= kFirstWindowCommand && command <= kLastWindowCommand;
}

bool XGAppMultiWindowRules::IsWindowsMenuNumber(int32_t command)
{
    return command == kEmpty || IsWindowItem(command);
}

int16_t XGAppMultiWindowRules::FirstFree(const int16_t* used, int32_t count, int16_t first, int16_t last)
{
    for (int32_t value = first; value <= last; ++value) {
        bool taken = false;
        for (int32_t i = 0; i < count && !taken; ++i)
            taken = used[i] == value;
        if (!taken)
            return int16_t(value);
    }
    return kNone;
}
