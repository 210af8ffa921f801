// An application's class field table, read from its text form at build time,
// so that xgvres compiles the application's own classes by field name without
// being rebuilt. Byte-level: no <windows.h>.
//
//   # comment to the end of the line
//   view 'ptb1'                    # the common view fields only
//   view 'spin' extends 'pbtn'     # the button's fields, then these:
//       integer step
//       boolean wrap
//       integer range 2
//   window 'tool'
//       string caption
//
// The lists point into the table, so a table lives as long as the schema
// that it is added to.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "records/XGFieldList.h"

namespace vres {

class FieldTable {
public:
    // Throws vres::Error "line N: ..." for the first mistake. A base is a
    // class the schema already knows (the framework's, an earlier table's)
    // or one declared above it in the same text.
    static FieldTable Parse(const std::string& text);

    FieldTable() = default;
    FieldTable(const FieldTable&) = delete;
    FieldTable& operator=(const FieldTable&) = delete;
    FieldTable(FieldTable&&) = default;
    FieldTable& operator=(FieldTable&&) = default;

    const XGSClassCatalogue& Catalogue() const { return fCatalogue; }

private:
    const XGSFieldList* Find(long code, bool window) const;

    std::deque<std::string> fNames;
    std::deque<std::vector<XGSField>> fFields;
    std::deque<XGSFieldList> fLists;
    std::vector<XGSClassFields> fClasses;
    XGSClassCatalogue fCatalogue = { nullptr, 0 };
};

} // namespace vres
