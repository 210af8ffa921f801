#pragma once
#include <cstdint>

// Small value types shared by every part of the framework.

// A point in view coordinates: vertical first, as the framework's records store it.
struct Point {
    int16_t v;
    int16_t h;
};

// Formatter and error arguments travel as pointer-sized integers (LONG_PTR on Windows),
// so a string pointer survives the 64-bit test build; numbers use their low 32 bits.
typedef intptr_t XGArg;

// Four-character code from its characters, most significant first. Code normally writes
// the multi-character literal ('dlog'); this is for codes assembled from data.
constexpr uint32_t XGFourCharCode(char a, char b, char c, char d)
{
    return (uint32_t(uint8_t(a)) << 24) | (uint32_t(uint8_t(b)) << 16) | (uint32_t(uint8_t(c)) << 8)
        | uint32_t(uint8_t(d));
}
