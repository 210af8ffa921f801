#include "XGUtf8.h"

namespace {

// Lead byte → (bytes in the sequence, smallest and largest allowed second byte). The
// narrowed second-byte ranges are what rule out overlong forms, surrogates and values
// above U+10FFFF (Unicode, table 3-7).
struct Lead {
    uint8_t length;
    uint8_t low;
    uint8_t high;
};

Lead LeadOf(uint8_t b)
{
    if (b < 0x80)
        return { 1, 0, 0 };
    if (b < 0xC2)
        return { 0, 0, 0 };
    if (b < 0xE0)
        return { 2, 0x80, 0xBF };
    if (b == 0xE0)
        return { 3, 0xA0, 0xBF };
    if (b == 0xED)
        return { 3, 0x80, 0x9F };
    if (b < 0xF0)
        return { 3, 0x80, 0xBF };
    if (b == 0xF0)
        return { 4, 0x90, 0xBF };
    if (b < 0xF4)
        return { 4, 0x80, 0xBF };
    if (b == 0xF4)
        return { 4, 0x80, 0x8F };
    return { 0, 0, 0 };
}

bool IsContinuation(uint8_t b)
{
    return (b & 0xC0) == 0x80;
}

} // namespace

char32_t XGUtf8::Decode(const char* text, size_t size, size_t offset, size_t* length)
{
    const uint8_t* p = reinterpret_cast<const uint8_t*>(text) + offset;
    size_t left = size - offset;
    uint8_t b = p[0];
    Lead lead = LeadOf(b);
    if (lead.length == 1) {
        *length = 1;
        return b;
    }
    if (lead.length == 0) {
        *length = 1;
        return kReplacement;
    }
    // The maximal subpart: stop at the first byte that cannot continue the sequence.
    if (left < 2 || p[1] < lead.low || p[1] > lead.high) {
        *length = 1;
        return kReplacement;
    }
    char32_t c = b & (0xFF >> (lead.length + 1));
    c = (c << 6) | (p[1] & 0x3F);
    for (size_t i = 2; i < lead.length; i++) {
        if (i >= left || !IsContinuation(p[i])) {
            *length = i;
            return kReplacement;
        }
        c = (c << 6) | (p[i] & 0x3F);
    }
    *length = lead.length;
    return c;
}

bool XGUtf8::IsValid(const char* text, size_t size)
{
    size_t offset = 0;
    while (offset < size) {
        if (static_cast<uint8_t>(text[offset]) < 0x80) {
            offset++;
            continue;
        }
        size_t length;
        if (Decode(text, size, offset, &length) == kReplacement) {
            // U+FFFD written out is well-formed; an ill-formed subpart is not.
            const uint8_t* p = reinterpret_cast<const uint8_t*>(text) + offset;
            if (!(length == 3 && p[0] == 0xEF && p[1] == 0xBF && p[2] == 0xBD))
                return false;
        }
        offset += length;
    }
    return true;
}

size_t XGUtf8::Next(const char* text, size_t size, size_t offset)
{
    if (offset >= size)
        return size;
    size_t length;
    Decode(text, size, offset, &length);
    return offset + length;
}

size_t XGUtf8::Previous(const char* text, size_t size, size_t offset)
{
    if (offset > size)
        offset = size;
    if (offset == 0)
        return 0;
    // Lead bytes always start a character, and one is at most four bytes back. Bytes
    // between the end of its character and offset are stray ones, a character each.
    size_t last = offset >= 4 ? offset - 4 : 0;
    for (size_t start = offset; start-- > last;) {
        if (IsContinuation(static_cast<uint8_t>(text[start])))
            continue;
        size_t length;
        Decode(text, size, start, &length);
        return start + length >= offset ? start : offset - 1;
    }
    return offset - 1;
}

bool XGUtf8::IsBoundary(const char* text, size_t size, size_t offset)
{
    if (offset == 0 || offset >= size)
        return offset <= size;
    if (!IsContinuation(static_cast<uint8_t>(text[offset])))
        return true;
    return Next(text, size, Previous(text, size, offset)) == offset;
}

size_t XGUtf8::CountCharacters(const char* text, size_t size)
{
    size_t count = 0;
    for (size_t offset = 0; offset < size; offset = Next(text, size, offset))
        count++;
    return count;
}

void XGUtf8::Append(std::string& out, char32_t c)
{
    if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)
        c = kReplacement;
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

std::u16string XGUtf8::ToUtf16(const char* text, size_t size)
{
    std::u16string out;
    out.reserve(size);
    size_t offset = 0;
    while (offset < size) {
        size_t length;
        char32_t c = Decode(text, size, offset, &length);
        offset += length;
        if (c < 0x10000) {
            out += char16_t(c);
        } else {
            c -= 0x10000;
            out += char16_t(0xD800 + (c >> 10));
            out += char16_t(0xDC00 + (c & 0x3FF));
        }
    }
    return out;
}

std::string XGUtf8::FromUtf16(const char16_t* text, size_t size)
{
    std::string out;
    out.reserve(size);
    for (size_t i = 0; i < size; i++) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < size && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            i++;
        }
        Append(out, c);
    }
    return out;
}

std::string XGUtf8::Repaired(const char* text, size_t size)
{
    std::string out;
    out.reserve(size);
    size_t offset = 0;
    while (offset < size) {
        size_t length;
        char32_t c = Decode(text, size, offset, &length);
        if (c == kReplacement)
            Append(out, c);
        else
            out.append(text + offset, length);
        offset += length;
    }
    return out;
}

size_t XGUtf8::FitBytes(const char* text, size_t size, size_t limit)
{
    if (size <= limit)
        return size;
    return IsBoundary(text, size, limit) ? limit : Previous(text, size, limit);
}

size_t XGUtf8::CopyFitting(const std::string& text, char* buffer, size_t bufferSize)
{
    const size_t n = FitBytes(text.data(), text.size(), bufferSize - 1);
    text.copy(buffer, n);
    buffer[n] = 0;
    return n;
}
