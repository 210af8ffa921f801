#ifndef XGERROR_H
#define XGERROR_H

// Root of the framework's exceptions. Thrown by value, caught by reference; a handler
// shows any of them with DisplayError.
class XGError {
public:
    virtual ~XGError();
    virtual void DisplayError() const = 0;
    // Each copies a null-terminated text into a 256-byte buffer.
    virtual void GetShortError(char* buffer) const = 0;
    virtual void GetLongError(char* buffer) const = 0;
};

// The rest of the family; each of their headers includes this one first, so any of them
// may be included on its own.
#include "foundation/XGPostError.h"
#include "foundation/XGAbort.h"
#include "foundation/XGAssert.h"

#endif
