// XGArray.h is included before the guard: it pulls in the whole family in dependency order.
#include "foundation/XGArray.h"
#ifndef XGPDYNARRAY_H
#define XGPDYNARRAY_H

// Pointers to T. The array owns only its slots, never the objects they point to.
template <class T>
class XGPDynArray : public XGSizeArray {
public:
    XGPDynArray() : XGSizeArray(sizeof(T*)) {}

    // No position check: callers keep 0 <= index < Length().
    T*& operator[](long index) const { return reinterpret_cast<T**>(fArray)[index]; }
    void Insert(long index, const T* item) { InsertElement(index, &item); }
    XGPDynArray& operator+=(const T* item)
    {
        InsertElement(Length(), &item);
        return *this;
    }
};

#endif
