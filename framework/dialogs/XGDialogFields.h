// The fields that a dialog reads from its record after the common window
// fields; byte-level, shared with the build-time compiler.
#pragma once

#include "records/XGFieldList.h"

// The code of a dialog window's record; the application core registers it.
enum : long {
    kClassDialog = XGCode("dlog"), // XGDialog
};

class XGDialogFields {
public:
    static const XGSFieldList gDialog;
};
