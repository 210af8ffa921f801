#include "foundation/XGHandle.h"
#include <algorithm>
#include <utility>
#include <cstdlib>
#include <cstring>
#include <functional>
#include "foundation/XGError.h"

XGHandle::XGHandle() : XGHandle(0, 0) {}

XGHandle::XGHandle(uint32_t size, uint16_t chunkSize)
    : fChunkSize(chunkSize ? chunkSize : 512), fLock(0), fByteSize(0), fByteAlloc(0), fData(nullptr)
{
    SetSize(size);
}

XGHandle::~XGHandle()
{
    free(fData);
}

XGHandle& XGHandle::operator=(const XGHandle& other)
{
    if (this != &other) {
        SetSize(other.fByteSize);
        if (other.fByteSize)
            memcpy(fData, other.fData, other.fByteSize);
    }
    return *this;
}

int16_t XGHandle::GetShort(uint32_t offset) const
{
    const unsigned char* p = reinterpret_cast<const unsigned char*>(fData) + offset;
    return int16_t(uint16_t((p[0] << 8) | p[1]));
}

void XGHandle::SetShort(uint32_t offset, int16_t value)
{
    unsigned char* p = reinterpret_cast<unsigned char*>(fData) + offset;
    p[0] = uint8_t(uint16_t(value) >> 8);
    p[1] = uint8_t(value);
}

void XGHandle::Unlock()
{
    if (fLock > 0)
        --fLock;
}

void XGHandle::SetSize(uint32_t size)
{
    XG_ASSERT(fLock == 0, "XGHandle", 209);
    // Rounded in 64 bits: a size near 4 GB must not wrap to a small block.
    uint64_t alloc = (uint64_t(size) + fChunkSize - 1) / fChunkSize * fChunkSize;
    if (alloc == 0)
        alloc = fChunkSize;
    if (alloc > UINT32_MAX || alloc > SIZE_MAX)
        throw XGPostError(kErrOutOfMemory);
    if (alloc != fByteAlloc) {
        if (!fData) {
            fData = static_cast<char*>(malloc(size_t(alloc)));
            if (!fData)
                throw XGPostError(kErrOutOfMemory);
        } else {
            char* block = static_cast<char*>(realloc(fData, size_t(alloc)));
            if (!block) {
                if (alloc > fByteAlloc)
                    throw XGPostError(kErrOutOfMemory);
                // A failed shrink keeps the larger block, which still holds every byte.
                fByteSize = size;
                return;
            }
            fData = block;
        }
        fByteAlloc = uint32_t(alloc);
    }
    fByteSize = size;
}

void XGHandle::Insert(uint32_t offset, uint32_t length, const void* source)
{
    if (length == 0)
        return;
    uint32_t oldSize = fByteSize;
    if (offset > oldSize)
        offset = oldSize;
    if (uint64_t(oldSize) + length > UINT32_MAX)
        throw XGPostError(kErrOutOfMemory);
    // A source inside this block moves with it (a grown block may be elsewhere, and bytes
    // behind the offset shift by the gap), so it is remembered as an offset, not an address.
    const char* bytes = static_cast<const char*>(source);
    const std::less_equal<const char*> atOrBefore;
    const bool inside = bytes && fData && atOrBefore(fData, bytes) && !atOrBefore(fData + oldSize, bytes);
    const uint32_t sourceAt = inside ? uint32_t(bytes - fData) : 0;
    SetSize(oldSize + length);
    if (offset < oldSize)
        memmove(fData + offset + length, fData + offset, oldSize - offset);
    if (inside) {
        // The part before the offset stayed put; the rest now lies one gap further on.
        const uint32_t before = sourceAt < offset ? std::min(length, offset - sourceAt) : 0;
        memcpy(fData + offset, fData + sourceAt, before);
        memcpy(fData + offset + before, fData + sourceAt + before + length, length - before);
    } else if (source) {
        memcpy(fData + offset, source, length);
    } else {
        memset(fData + offset, 0, length);
    }
}

void XGHandle::Delete(uint32_t offset, uint32_t length)
{
    if (length == 0)
        return;
    XG_ASSERT(fLock == 0, "XGHandle", 345);
    // A range reaching past the end is cut there rather than moving bytes that do not exist.
    if (offset >= fByteSize)
        return;
    if (length > fByteSize - offset)
        length = fByteSize - offset;
    if (offset + length < fByteSize)
        memmove(fData + offset, fData + offset + length, fByteSize - (offset + length));
    SetSize(fByteSize - length);
}

void XGHandle::Swap(XGHandle& other)
{
    XG_ASSERT(fLock == 0 && other.fLock == 0, "XGHandle", 209);
    std::swap(fChunkSize, other.fChunkSize);
    std::swap(fByteSize, other.fByteSize);
    std::swap(fByteAlloc, other.fByteAlloc);
    std::swap(fData, other.fData);
}
