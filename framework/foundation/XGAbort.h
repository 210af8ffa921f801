// XGError.h is included before the guard: it pulls in the whole family in dependency order.
#include "foundation/XGError.h"
#ifndef XGABORT_H
#define XGABORT_H

// Abandons an operation. The user has already been told (or need not be), so showing it
// does nothing; its texts exist for handlers that log or inspect errors.
class XGAbort : public XGError {
public:
    ~XGAbort() override;

    // XGError
    void DisplayError() const override;
    void GetShortError(char* buffer) const override;
    void GetLongError(char* buffer) const override;
};

#endif
