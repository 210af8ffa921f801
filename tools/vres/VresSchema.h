// The fields each class reads from its record, in stream order.
#pragma once

#include <string>
#include <vector>

#include "VresModel.h"

namespace vres {

struct FieldDef {
    const char* name;
    Type type;
    int count; // values in the field: "lock" has 4 Booleans
};

// Common fields first (window or view), then the class's own.
std::vector<FieldDef> FieldsOf(uint32_t code, bool window);

} // namespace vres
