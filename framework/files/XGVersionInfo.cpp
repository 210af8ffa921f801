#include "files/XGVersionInfo.h"

#include <string>

#include "foundation/XGUtf8.h"

namespace {

// The fixed file information follows the root block's header.
const size_t kFixedInfoSize = 52;

// Three words of a block come before its key: total length, value length, type.
const size_t kKeyOffset = 6;

size_t Align4(size_t offset)
{
    return (offset + 3) & ~size_t(3);
}

uint16_t WordAt(const uint8_t* data, size_t offset)
{
    return uint16_t(data[offset] | (data[offset + 1] << 8));
}

// The header of the block at 'at' ends after its key's terminating zero,
// rounded up to 4 bytes. The scan starts at the seventh word, which is right
// for every key of three or more characters. False when no terminator lies
// before 'end'.
bool HeaderLength(const uint8_t* data, size_t end, size_t at, size_t* length)
{
    for (size_t p = at + 12; p + 2 <= end; p += 2) {
        if (WordAt(data, p) == 0) {
            *length = Align4(p + 2) - at;
            return true;
        }
    }
    return false;
}

bool KeyMatches(const uint8_t* data, size_t end, size_t at, const char* key)
{
    size_t p = at + kKeyOffset;
    for (size_t i = 0;; ++i, p += 2) {
        if (p + 2 > end)
            return false;
        const uint16_t c = WordAt(data, p);
        if (c != uint8_t(key[i]))
            return false;
        if (c == 0)
            return true;
    }
}

}

bool XGFindVersionString(const uint8_t* block, size_t blockSize, const char* key, char* buffer, int16_t size)
{
    if (!block || blockSize < kKeyOffset)
        return false;
    size_t end = WordAt(block, 0);
    if (end > blockSize)
        end = blockSize;

    size_t header = 0;
    if (!HeaderLength(block, end, 0, &header))
        return false;
    size_t stringInfo = Align4(header + kFixedInfoSize);
    if (stringInfo + kKeyOffset > end || !HeaderLength(block, end, stringInfo, &header))
        return false;
    size_t table = stringInfo + header;
    if (table + kKeyOffset > end || !HeaderLength(block, end, table, &header))
        return false;
    size_t tableEnd = table + WordAt(block, table);
    if (tableEnd > end)
        tableEnd = end;

    for (size_t child = table + header; child + kKeyOffset <= tableEnd;) {
        size_t childLength = WordAt(block, child);
        if (childLength < kKeyOffset)
            return false;   // a zero length would never advance
        size_t childEnd = child + childLength;
        if (childEnd > tableEnd)
            childEnd = tableEnd;
        if (KeyMatches(block, childEnd, child, key)) {
            size_t valueHeader = 0;
            if (!HeaderLength(block, childEnd, child, &valueHeader))
                return false;
            if (size <= 0)
                return true;
            std::u16string value;
            for (size_t p = child + valueHeader; p + 2 <= childEnd; p += 2) {
                const uint16_t unit = WordAt(block, p);
                if (unit == 0)
                    break;
                value += char16_t(unit);
            }
            XGUtf8::CopyFitting(XGUtf8::FromUtf16(value), buffer, size_t(size));
            return true;
        }
        child = Align4(child + childLength);
    }
    return false;
}
