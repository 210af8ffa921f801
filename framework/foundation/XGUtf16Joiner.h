#pragma once
#include <cstddef>

// Joins the UTF-16 units that arrive one message at a time (WM_CHAR brings a
// character above U+FFFF as two messages) into whole characters. A high surrogate
// waits for its partner; a surrogate without one reads as U+FFFD, so no half of a
// character ever reaches the text. Byte-level: tested natively.
class XGUtf16Joiner {
public:
    // Takes the next unit and writes the characters it completes into out: none
    // when it is a high surrogate that waits, one usually, two when a waiting high
    // surrogate had no partner (U+FFFD, then the character this unit starts or is).
    size_t Feed(char16_t unit, char32_t (&out)[2]);
    // Whether a high surrogate waits for its partner.
    bool IsWaiting() const { return fHigh != 0; }
    // Forgets a waiting high surrogate (the input went elsewhere).
    void Reset() { fHigh = 0; }

private:
    char16_t fHigh = 0;
};
