#pragma once
#include "foundation/XGHandle.h"

// Keeps a handle locked for the length of a scope, so a block address taken inside it
// stays valid.
class XGHandleLock {
public:
    explicit XGHandleLock(XGHandle& handle) : fHandle(&handle) { fHandle->Lock(); }
    ~XGHandleLock() { fHandle->Unlock(); }
    XGHandleLock(const XGHandleLock&) = delete;
    XGHandleLock& operator=(const XGHandleLock&) = delete;

private:
    XGHandle* fHandle;
};
