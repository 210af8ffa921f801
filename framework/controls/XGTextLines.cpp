#include "controls/XGTextLines.h"

#include <cstring>

#include "controls/XGTextClusters.h"
#include "foundation/XGUtf8.h"

bool XGTextLines::IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

int32_t XGTextLines::SkipSpace(const char* text, int32_t index)
{
    while (text[index] != '\n' && IsSpace(text[index]))
        ++index;
    return index;
}

namespace {

// The character at text[index] (up to the terminator) and its length.
char32_t At(const char* text, int32_t index, int32_t* length)
{
    size_t n;
    char32_t c = XGUtf8::Decode(text + index, strnlen(text + index, 4), 0, &n);
    *length = int32_t(n);
    return c;
}

// Ideographs, kana and their full-width punctuation: a line may break
// before and after each of them, as Japanese and Chinese text has no
// spaces between words.
bool BreaksAround(char32_t c)
{
    return (c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFF01 && c <= 0xFF60)
           || (c >= 0x20000 && c <= 0x3FFFF);
}

// Closing marks that never start a line: they stay with the character before.
bool ClosesLine(char32_t c)
{
    switch (c) {
    case 0x3001: case 0x3002: case 0x300D: case 0x300F: case 0x3011: case 0x30FC:
    case 0xFF01: case 0xFF09: case 0xFF0C: case 0xFF0E: case 0xFF1F:
        return true;
    default:
        return c == 0x3099 || c == 0x309A || XGTextClusters::IsExtend(c);
    }
}

}  // namespace

int32_t XGTextLines::NextWord(const char* text, int32_t index)
{
    int32_t length;
    bool first = true;
    while (text[index] != 0 && !IsSpace(text[index])) {
        if (static_cast<unsigned char>(text[index]) < 0x80) {
            ++index;
            first = false;
            continue;
        }
        char32_t c = At(text, index, &length);
        if (BreaksAround(c) && !ClosesLine(c)) {
            // A word of its own: it ends a word before it, and takes only
            // the closing marks after it.
            if (!first)
                return index;
            index += length;
            while (text[index] != 0 && (static_cast<unsigned char>(text[index]) & 0x80)) {
                c = At(text, index, &length);
                if (!ClosesLine(c))
                    break;
                index += length;
            }
            return index;
        }
        index += length;
        first = false;
    }
    return index;
}

int32_t XGTextLines::SkipBreaks(const char* text, int32_t index)
{
    while (IsSpace(text[index]))
        ++index;
    return index;
}

int32_t XGTextLines::LineLength(const char* text, int32_t width, Measure measure, void* context)
{
    int32_t end = NextWord(text, SkipSpace(text, 0));
    for (;;) {
        if (text[end] == 0 || text[end] == '\n')
            return end;
        int32_t next = SkipSpace(text, end);
        if (text[next] == 0 || text[next] == '\n')
            return next;
        int32_t wordEnd = NextWord(text, next);
        if (measure(context, text, wordEnd) > width)
            return end;
        end = wordEnd;
    }
}
