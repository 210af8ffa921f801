#include "XGAppMultiWindowRules.h"

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
        if (ca != cb)
            return ca < cb ? -1 : 1;
        if (ca == 0)
            return 0;
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
