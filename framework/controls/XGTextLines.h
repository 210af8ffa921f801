#pragma once
#include <cstdint>

// Word wrapping of static text. It knows nothing of devices: the caller
// measures with whatever font it draws in, so the rules can be tested alone.
class XGTextLines {
public:
    // Width in pixels of the first `length` characters of `text`.
    typedef int32_t (*Measure)(void* context, const char* text, int32_t length);

    static bool IsSpace(char c);
    // Moves over white space other than line breaks.
    static int32_t SkipSpace(const char* text, int32_t index);
    // Moves over characters that are neither white space nor the end; an
    // ideograph or kana (with the closing marks after it) is a word alone.
    // Text is UTF-8; a word never ends inside a character.
    static int32_t NextWord(const char* text, int32_t index);
    // Moves over all white space, line breaks too: empty lines collapse.
    static int32_t SkipBreaks(const char* text, int32_t index);
    // Number of characters that the line starting at `text` takes in `width`
    // pixels. The first word is always taken, however wide it is.
    static int32_t LineLength(const char* text, int32_t width, Measure measure, void* context);
};
