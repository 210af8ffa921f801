#pragma once
#include <cstdint>

// A growable block of bytes from the C heap, allocated in chunks (512 bytes unless told
// otherwise; even an empty handle owns one chunk). While locked, its size cannot change.
class XGHandle {
public:
    // construction
    XGHandle();
    explicit XGHandle(uint32_t size, uint16_t chunkSize = 0);
    virtual ~XGHandle();
    XGHandle(const XGHandle&) = delete;
    XGHandle& operator=(const XGHandle& other); // copies the bytes; chunk and lock stay

    // The block's address, valid until the next resize.
    char* operator*() const { return fData; }
    uint32_t GetSize() const { return fByteSize; }
    uint32_t GetAllocSize() const { return fByteAlloc; }
    int16_t GetLockCount() const { return fLock; }

    // No range checks.
    char GetChar(uint32_t offset) const { return fData[offset]; }
    void SetChar(uint32_t offset, char value) { fData[offset] = value; }
    int16_t GetShort(uint32_t offset) const; // big-endian
    void SetShort(uint32_t offset, int16_t value);

    void Lock() { ++fLock; }
    void Unlock();

    void SetSize(uint32_t size);
    // Opens a gap at offset (an offset past the end appends) and fills it from source, or
    // with zero bytes when source is null. The source may lie inside this handle's own
    // bytes (within its size).
    void Insert(uint32_t offset, uint32_t length, const void* source);
    void Append(uint32_t length, const void* source) { Insert(fByteSize, length, source); }
    // The caller keeps offset + length within the size.
    void Delete(uint32_t offset, uint32_t length);
    // Exchanges the blocks of two unlocked handles, with their sizes and
    // chunk sizes: a block changes hands without its bytes being copied.
    void Swap(XGHandle& other);

protected:
    uint16_t fChunkSize;
    int16_t fLock;
    uint32_t fByteSize;
    uint32_t fByteAlloc;
    char* fData;
};
