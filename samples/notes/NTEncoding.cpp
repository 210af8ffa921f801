#include "NTEncoding.h"

#include <cstring>

#include "foundation/XGUtf8.h"

namespace {

const char kUtf8Mark[] = "\xEF\xBB\xBF";

bool StartsWith(const char* bytes, size_t size, const char* mark, size_t markSize)
{
    return size >= markSize && std::memcmp(bytes, mark, markSize) == 0;
}

char16_t Unit(const char* bytes, size_t offset, bool bigEndian)
{
    unsigned char first = static_cast<unsigned char>(bytes[offset]);
    unsigned char second = static_cast<unsigned char>(bytes[offset + 1]);
    return bigEndian ? char16_t(first << 8 | second) : char16_t(second << 8 | first);
}

// After its two-byte mark: an even count of bytes whose units pair every
// surrogate.
bool IsWellFormedUtf16(const char* bytes, size_t size, bool bigEndian)
{
    if (size % 2)
        return false;
    for (size_t i = 2; i < size; i += 2) {
        char16_t unit = Unit(bytes, i, bigEndian);
        if (unit >= 0xDC00 && unit <= 0xDFFF)
            return false;
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            if (i + 2 >= size)
                return false;
            char16_t low = Unit(bytes, i + 2, bigEndian);
            if (low < 0xDC00 || low > 0xDFFF)
                return false;
            i += 2;
        }
    }
    return true;
}

// Where the first byte above 0x7F is (size when none). Eight bytes at a
// time: a 100 MB file of plain text is checked in a fraction of its read.
size_t FirstNonAscii(const char* bytes, size_t size)
{
    size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        uint64_t word;
        std::memcpy(&word, bytes + i, 8);
        if (word & 0x8080808080808080ULL)
            break;
    }
    while (i < size && static_cast<unsigned char>(bytes[i]) < 0x80)
        ++i;
    return i;
}

}  // namespace

NTEncoding::Kind NTEncoding::Detect(const char* bytes, size_t size)
{
    if (StartsWith(bytes, size, "\xFF\xFE", 2) && IsWellFormedUtf16(bytes, size, false))
        return kUtf16LE;
    if (StartsWith(bytes, size, "\xFE\xFF", 2) && IsWellFormedUtf16(bytes, size, true))
        return kUtf16BE;
    // A sequence never starts inside ASCII, so the check starts at the first
    // byte that is not.
    size_t start = FirstNonAscii(bytes, size);
    if (!XGUtf8::IsValid(bytes + start, size - start))
        return kAnsi;
    return StartsWith(bytes, size, kUtf8Mark, 3) ? kUtf8Bom : kUtf8;
}

size_t NTEncoding::DecodeUtf8InPlace(char* bytes, size_t size, Kind kind)
{
    if (kind != kUtf8Bom || !StartsWith(bytes, size, kUtf8Mark, 3))
        return size;
    std::memmove(bytes, bytes + 3, size - 3);
    return size - 3;
}

std::string NTEncoding::DecodeUtf16(const char* bytes, size_t size, Kind kind)
{
    bool bigEndian = kind == kUtf16BE;
    std::u16string units;
    units.reserve(size / 2);
    for (size_t i = 2; i + 1 < size; i += 2)
        units.push_back(Unit(bytes, i, bigEndian));
    return XGUtf8::FromUtf16(units);
}

std::string NTEncoding::Encode(const char* text, size_t size, Kind kind)
{
    switch (kind) {
    case kUtf8Bom:
        return std::string(kUtf8Mark, 3) + std::string(text, size);
    case kUtf16LE:
    case kUtf16BE: {
        std::u16string units = XGUtf8::ToUtf16(text, size);
        std::string bytes;
        bytes.reserve(2 + units.size() * 2);
        bytes += kind == kUtf16LE ? "\xFF\xFE" : "\xFE\xFF";
        for (char16_t unit : units) {
            char high = char(unit >> 8), low = char(unit & 0xFF);
            if (kind == kUtf16LE) {
                bytes.push_back(low);
                bytes.push_back(high);
            } else {
                bytes.push_back(high);
                bytes.push_back(low);
            }
        }
        return bytes;
    }
    default:
        return std::string(text, size);
    }
}

const char* NTEncoding::Name(Kind kind)
{
    switch (kind) {
    case kUtf8Bom:
        return "UTF-8 BOM";
    case kUtf16LE:
        return "UTF-16 LE";
    case kUtf16BE:
        return "UTF-16 BE";
    case kAnsi:
        return "ANSI";
    default:
        return "UTF-8";
    }
}
