#include "controls/XGTextLines.h"

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

int32_t XGTextLines::NextWord(const char* text, int32_t index)
{
    while (text[index] != 0 && !IsSpace(text[index]))
        ++index;
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
