#include "HCYClassFields.h"

#include <iterator>

namespace {

// The launcher's views read the common view fields and nothing more: the
// picture buttons choose their bitmaps from the view ID.
const XGSClassFields kLauncher[] = {
    { 'hlp1', &XGFieldList::gView },
    { 'ptb1', &XGFieldList::gView },
    { 'QTIn', &XGFieldList::gView },
};

} // namespace

const XGSClassCatalogue HCYClassFields::gLauncher = { kLauncher, int(std::size(kLauncher)) };
