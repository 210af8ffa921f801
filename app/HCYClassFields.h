// The launcher's own view classes by their codes, with the fields each reads
// from its record. Byte-level: xgvres is built with this table (see
// tools/vres/CMakeLists.txt), so the compiler knows the launcher's codes.
#pragma once

#include "records/XGFieldList.h"

class HCYClassFields {
public:
    static const XGSClassCatalogue gLauncher;
};
