#include "foundation/XGArray.h"
#include "foundation/XGAssert.h"
#include <new>

XGArray::XGArray() : fLength(0), fAlloc(0) {}

XGArray::~XGArray() = default;

long XGArray::CapacityFor(long count)
{
    return (count % 16 == 0) ? count : count + (16 - count % 16);
}

void XGArray::InsertElement(long index, const void* data)
{
    XG_ASSERT((index >= 0) && (index <= fLength), "XGArray", 188);
    long alloc = CapacityFor(fLength + 1);
    if (alloc != fAlloc) {
        ChangeArray(alloc, fLength);
        fAlloc = alloc;
    }
    for (long i = fLength; i > index; --i)
        CopyArray(i, i - 1);
    CopyElement(index, data);
    ++fLength;
}

void XGArray::Delete(long index)
{
    XG_ASSERT((index >= 0) && (index < fLength), "XGArray", 90);
    for (long i = index + 1; i < fLength; ++i)
        CopyArray(i - 1, i);
    --fLength;
    long alloc = CapacityFor(fLength);
    if (alloc != fAlloc) {
        // The element is already gone: a shrink that cannot get its smaller block keeps the
        // larger one (ChangeArray leaves it intact), and the next resize tries again.
        try {
            ChangeArray(alloc, fLength);
            fAlloc = alloc;
        } catch (const std::bad_alloc&) {
        }
    }
}

void XGArray::DeleteAll()
{
    fLength = 0;
    fAlloc = 0;
    ChangeArray(0, 0);
}

void XGArray::SetLength(long length)
{
    if (length == fLength)
        return;
    long alloc = CapacityFor(length);
    if (alloc != fAlloc) {
        ChangeArray(alloc, length < fLength ? length : fLength);
        fAlloc = alloc;
    }
    fLength = length;
}
