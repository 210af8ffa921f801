#ifndef XGARRAY_H
#define XGARRAY_H
#include <cstdint>

// Bookkeeping and algorithms of the framework's growable arrays. Elements are moved and
// copied as raw bytes: no constructor, destructor or assignment of an element ever runs.
// Capacity is the length raised to the next multiple of 16, in both directions; only a
// shrink after Delete that finds no memory leaves it larger until the next resize.
class XGArray {
public:
    // construction
    XGArray();
    virtual ~XGArray();
    XGArray(const XGArray&) = delete;
    XGArray& operator=(const XGArray&) = delete;

    // operations
    long Length() const { return fLength; }
    void Delete(long index);
    void DeleteAll();
    void SetLength(long length);

    // Capacity needed for the given number of elements (a multiple of 16).
    static long CapacityFor(long count);

protected:
    void InsertElement(long index, const void* data);

    // element storage, provided by the subclass (slot order matters)
    virtual void ChangeArray(long alloc, long keep) = 0;
    virtual void CopyArray(long to, long from) = 0;
    virtual void CopyElement(long index, const void* data) = 0;
    virtual void* GetElement(long index) const = 0;

    int32_t fLength;
    int32_t fAlloc;
};

// The concrete arrays; each of their headers includes this one first, so any of them
// may be included on its own.
#include "foundation/XGSizeArray.h"
#include "foundation/XGSDynArray.h"
#include "foundation/XGPDynArray.h"

#endif
