#include "foundation/XGStringList.h"
#include <cstring>
#include "foundation/XGError.h"

XGStringList::XGStringList() : XGStringList(0) {}

XGStringList::XGStringList(int16_t extraSize) : fNumStrings(0), fExtraSize(extraSize < 0 ? 0 : extraSize) {}

uint32_t XGStringList::FindEntry(int32_t index) const
{
    if (index < 0 || index >= fNumStrings)
        throw XGPostError(kErrStringListOverflow);
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(fData);
    // Every entry, including the one asked for, must lie wholly inside the handle: a
    // corrupt length reads as an index out of range instead of walking off the block.
    uint64_t offset = 0;
    for (int32_t k = 0;; ++k) {
        if (offset >= fByteSize)
            throw XGPostError(kErrStringListOverflow);
        uint64_t next = offset + 1 + bytes[offset] + uint64_t(fExtraSize);
        if (next > fByteSize)
            throw XGPostError(kErrStringListOverflow);
        if (k == index)
            return uint32_t(offset);
        offset = next;
    }
}

void XGStringList::GetString(int32_t index, char* buffer) const
{
    uint32_t offset = FindEntry(index);
    uint8_t length = uint8_t(fData[offset]);
    memcpy(buffer, fData + offset + 1, length);
    buffer[length] = 0;
}

void XGStringList::GetExtra(int32_t index, void* buffer) const
{
    if (fExtraSize == 0)
        throw XGPostError(kErrStringListExtra);
    uint32_t offset = FindEntry(index);
    memcpy(buffer, fData + offset + 1 + uint8_t(fData[offset]), size_t(fExtraSize));
}

void XGStringList::SetExtra(int32_t index, const void* data)
{
    if (fExtraSize == 0)
        throw XGPostError(kErrStringListExtra);
    uint32_t offset = FindEntry(index);
    memcpy(fData + offset + 1 + uint8_t(fData[offset]), data, size_t(fExtraSize));
}

void XGStringList::DeleteAll()
{
    SetSize(0);
    fNumStrings = 0;
}

void XGStringList::AppendString(const char* text, const void* extra)
{
    size_t length = text ? strlen(text) : 0;
    if (length > 255)
        length = 255;
    if (fNumStrings == INT16_MAX)
        throw XGPostError(kErrStringListOverflow);
    // The text may lie in this very handle, which Insert can move.
    char copy[256];
    if (length)
        memcpy(copy, text, length);
    uint32_t offset = fByteSize;
    Insert(offset, uint32_t(1 + length + size_t(fExtraSize)), nullptr);
    fData[offset] = char(uint8_t(length));
    if (length)
        memcpy(fData + offset + 1, copy, length);
    if (extra && fExtraSize)
        memcpy(fData + offset + 1 + length, extra, size_t(fExtraSize));
    ++fNumStrings;
}
