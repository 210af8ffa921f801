#pragma once
#include <cstdint>

#include "controls/XGCommands.h"

// Ordering and numbering rules of the Windows menu, free of any window so
// that they can be checked on their own.
class XGAppMultiWindowRules {
public:
    enum : int16_t {
        kTile = kCmdTile, kCascade = kCmdCascade, kArrange = kCmdArrangeIcons, kEmpty = kCmdWindowsEmpty,
        kFirstWindowCommand = kCmdFirstWindow, kLastWindowCommand = kCmdLastWindow,
        kFirstDigit = 1, kLastDigit = 9, kNone = -1
    };

    // Titles compare with only a-z folded to upper case, as signed characters;
    // a prefix comes first.
    static int CompareTitles(const char* a, const char* b);
    // Attribute words first (signed 16-bit), then titles.
    static int CompareWindows(uint16_t attributesA, const char* titleA,
                              uint16_t attributesB, const char* titleB);
    static bool IsWindowItem(int32_t command);
    static bool IsWindowsMenuNumber(int32_t command);
    // The smallest value in [first, last] not in `used`, or kNone.
    static int16_t FirstFree(const int16_t* used, int32_t count, int16_t first, int16_t last);
};
