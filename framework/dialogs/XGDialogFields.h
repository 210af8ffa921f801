// The fields that a dialog reads from its record after the common window
// fields; byte-level, shared with the build-time compiler.
#pragma once

#include "records/XGFieldList.h"

class XGDialogFields {
public:
    static const XGSFieldList gDialog;
};
