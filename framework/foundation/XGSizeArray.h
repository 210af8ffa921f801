// XGArray.h is included before the guard: it pulls in the whole family in dependency order.
#include "foundation/XGArray.h"
#ifndef XGSIZEARRAY_H
#define XGSIZEARRAY_H

// Elements of one fixed byte size in one contiguous block; null while the capacity is 0.
class XGSizeArray : public XGArray {
public:
    // construction
    explicit XGSizeArray(uint32_t size);
    ~XGSizeArray() override;

    long Capacity() const { return fAlloc; }
    bool HasBlock() const { return fArray != nullptr; }

protected:
    // Hides XGArray's: an element of this very array (array += array[0]) is copied out
    // first, as growing frees its block and shifting moves it.
    void InsertElement(long index, const void* data);

    void ChangeArray(long alloc, long keep) override;
    void CopyArray(long to, long from) override;
    void CopyElement(long index, const void* data) override;
    void* GetElement(long index) const override;

    unsigned char* fArray;
    uint32_t fSize;
};

#endif
