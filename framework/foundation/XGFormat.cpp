#include <cstdint>
#include "foundation/XGResource.h"

namespace {

bool IsTypeLetter(char c)
{
    return c == 'S' || c == 'P' || c == 'L' || c == 'X' || c == 'I';
}

// Walks a template once, left to right, handing literal characters to text and each
// placeholder (type letter, argument position) to field. Positions past 9 can arise
// from more than nine unnumbered placeholders; they are passed on and name no argument.
template <class Text, class Field>
void ScanTemplate(const char* tmpl, Text text, Field field)
{
    int position = 0;
    const char* p = tmpl;
    while (*p) {
        if (*p != '#') {
            text(*p++);
            continue;
        }
        char next = p[1];
        if (next == 0) { // a "#" that ends the template
            text('#');
            p += 1;
        } else if (next >= '1' && next <= '9') {
            char letter = p[2];
            if (IsTypeLetter(letter)) {
                position = next - '0';
                field(letter, position);
                p += 3;
            } else if (letter == 0) { // "#" and a digit ending the template stay as written
                text('#');
                text(next);
                p += 2;
            } else { // the digit is dropped: #1Z becomes #Z
                text('#');
                text(letter);
                p += 3;
            }
        } else if (IsTypeLetter(next)) {
            field(next, ++position);
            p += 2;
        } else { // ## stays ##, #0 stays #0
            text('#');
            text(next);
            p += 2;
        }
    }
}

class Output {
public:
    Output(char* dest, size_t size) : fDest(dest), fSize(size), fLength(0) {}
    void Put(char c)
    {
        if (fLength + 1 < fSize)
            fDest[fLength++] = c;
    }
    size_t Finish()
    {
        if (fSize)
            fDest[fLength] = 0;
        return fLength;
    }

private:
    char* fDest;
    size_t fSize;
    size_t fLength;
};

void PutField(Output& out, char letter, XGArg arg)
{
    switch (letter) {
    case 'S':
        if (const char* s = reinterpret_cast<const char*>(arg))
            while (*s)
                out.Put(*s++);
        break;
    case 'P':
        if (const unsigned char* s = reinterpret_cast<const unsigned char*>(arg))
            for (unsigned i = 1; i <= s[0]; ++i)
                out.Put(char(s[i]));
        break;
    case 'L': {
        int32_t value = int32_t(uint32_t(arg));
        // Magnitude as unsigned, so the most negative value needs no special case.
        uint32_t magnitude = value < 0 ? 0u - uint32_t(value) : uint32_t(value);
        char digits[10];
        int count = 0;
        do {
            digits[count++] = char('0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude);
        if (value < 0)
            out.Put('-');
        while (count)
            out.Put(digits[--count]);
        break;
    }
    case 'X': {
        uint32_t value = uint32_t(arg);
        for (int shift = 28; shift >= 0; shift -= 4)
            out.Put("0123456789ABCDEF"[(value >> shift) & 0xF]);
        break;
    }
    case 'I': {
        uint32_t value = uint32_t(arg);
        for (int shift = 24; shift >= 0; shift -= 8) {
            unsigned char c = uint8_t(value >> shift);
            out.Put(c < 0x20 || c > 0x7E ? '.' : char(c));
        }
        break;
    }
    }
}

} // namespace

int XGFormatArgCount(const char* tmpl)
{
    int count = 0;
    ScanTemplate(
        tmpl, [](char) {},
        [&count](char, int position) {
            if (position <= 9 && position > count)
                count = position;
        });
    return count;
}

size_t XGFormat(char* dest, size_t size, const char* tmpl, const XGArg* args, int argCount)
{
    Output out(dest, size);
    ScanTemplate(
        tmpl, [&out](char c) { out.Put(c); },
        [&](char letter, int position) {
            if (position <= argCount)
                PutField(out, letter, args[position - 1]);
        });
    return out.Finish();
}

void vyformat(char* dest, const char* tmpl, va_list args)
{
    XGArg values[9];
    int count = XGFormatArgCount(tmpl);
    for (int i = 0; i < count; ++i)
        values[i] = va_arg(args, XGArg);
    XGFormat(dest, SIZE_MAX, tmpl, values, count);
}

void yformat(char* dest, const char* tmpl, ...)
{
    va_list args;
    va_start(args, tmpl);
    vyformat(dest, tmpl, args);
    va_end(args);
}
