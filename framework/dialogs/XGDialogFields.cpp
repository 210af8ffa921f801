#include "dialogs/XGDialogFields.h"

#include <iterator>

namespace {

const XGSField kDialog[] = { { "defaultitem", kFieldInteger, 1 }, { "cancelitem", kFieldInteger, 1 } };

} // namespace

const XGSFieldList XGDialogFields::gDialog = { &XGFieldList::gWindow, kDialog, int(std::size(kDialog)) };
