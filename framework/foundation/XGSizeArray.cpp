#include "foundation/XGSizeArray.h"
#include <cstring>
#include <functional>
#include <vector>

XGSizeArray::XGSizeArray(uint32_t size) : fArray(nullptr), fSize(size) {}

XGSizeArray::~XGSizeArray()
{
    delete[] fArray;
}

void XGSizeArray::InsertElement(long index, const void* data)
{
    const unsigned char* bytes = static_cast<const unsigned char*>(data);
    const std::less_equal<const unsigned char*> atOrBefore;
    const unsigned char* end = fArray + size_t(fLength) * fSize;
    if (!fArray || !bytes || !atOrBefore(fArray, bytes) || atOrBefore(end, bytes)) {
        XGArray::InsertElement(index, data);
        return;
    }
    std::vector<unsigned char> copy(bytes, bytes + fSize);
    XGArray::InsertElement(index, copy.data());
}

void XGSizeArray::ChangeArray(long alloc, long keep)
{
    // Allocation comes first: if it throws, the old block, length and capacity stand.
    unsigned char* block = alloc ? new unsigned char[size_t(alloc) * fSize] : nullptr;
    if (keep && block)
        memcpy(block, fArray, size_t(keep) * fSize);
    delete[] fArray;
    fArray = block;
}

void XGSizeArray::CopyArray(long to, long from)
{
    memcpy(fArray + size_t(to) * fSize, fArray + size_t(from) * fSize, fSize);
}

void XGSizeArray::CopyElement(long index, const void* data)
{
    memcpy(fArray + size_t(index) * fSize, data, fSize);
}

void* XGSizeArray::GetElement(long index) const
{
    return fArray + size_t(index) * fSize;
}
