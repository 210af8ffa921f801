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

// Four-character code from its characters, most significant first. Sources normally write
// the multi-character literal ('dlog'); this is for codes assembled from data.
constexpr uint32_t XGFourCharCode(char a, char b, char c, char d)
{
    return (uint32_t(uint8_t(a)) << 24) | (uint32_t(uint8_t(b)) << 16) | (uint32_t(uint8_t(c)) << 8)
        | uint32_t(uint8_t(d));
}

// The value of the literal 'dlog' (an int, first character in the high byte) written as
// XGCode("dlog"). Public headers name codes this way: the literal warns under
// -Wmultichar, which is on in a consumer's -Wall build.
constexpr long XGCode(const char (&code)[5])
{
    return long(int32_t(XGFourCharCode(code[0], code[1], code[2], code[3])));
}
