// The fields each class reads from its record, in stream order, taken from
// the framework's field lists (and an application's, once added).
#pragma once

#include <string>
#include <vector>

#include "VresModel.h"
#include "records/XGFieldList.h"

namespace vres {

struct FieldDef {
    const char* name;
    Type type;
    int count; // values in the field: "lock" has 4 Booleans
};

// Makes an application's classes known; the framework's classes are known
// from the start and come first where a code is in both.
void AddClasses(const XGSClassCatalogue& catalogue);

// The field list of a known class of the given kind; null for none.
const XGSFieldList* ListOf(uint32_t code, bool window);

// Common fields first (window or view), then the class's own; only the common
// ones for a code no class of that kind is known by.
std::vector<FieldDef> FieldsOf(uint32_t code, bool window);

} // namespace vres
