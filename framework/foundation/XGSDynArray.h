// XGArray.h is included before the guard: it pulls in the whole family in dependency order.
#include "foundation/XGArray.h"
#ifndef XGSDYNARRAY_H
#define XGSDYNARRAY_H

// Elements of type T stored by value and copied as raw bytes: T must be trivially copyable
// in practice (records of plain fields).
template <class T>
class XGSDynArray : public XGSizeArray {
public:
    XGSDynArray() : XGSizeArray(sizeof(T)) {}

    // No position check: callers keep 0 <= index < Length().
    T& operator[](long index) const { return reinterpret_cast<T*>(fArray)[index]; }
    void Insert(long index, const T& item) { InsertElement(index, &item); }
    XGSDynArray& operator+=(const T& item)
    {
        InsertElement(Length(), &item);
        return *this;
    }
};

#endif
