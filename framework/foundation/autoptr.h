#pragma once

// Owns one heap object and deletes it at the end of the scope.
template <class T>
class autoptr {
public:
    autoptr() : fPtr(nullptr) {}
    explicit autoptr(T* ptr) : fPtr(ptr) {}
    ~autoptr() { delete fPtr; }
    autoptr(const autoptr&) = delete;
    autoptr& operator=(const autoptr&) = delete;

    // Takes ownership; used on an empty holder (an object already held is deleted first,
    // so nothing leaks if it is not).
    autoptr& operator=(T* ptr)
    {
        if (ptr != fPtr) {
            delete fPtr;
            fPtr = ptr;
        }
        return *this;
    }

    T* Ptr() const { return fPtr; }
    T& operator*() const { return *fPtr; }
    T* operator->() const { return fPtr; }

private:
    T* fPtr;
};
