#include "core/XGClassFields.h"

#include <iterator>

#include "controls/XGControlFields.h"
#include "dialogs/XGDialogFields.h"

namespace {

const XGSClassFields kFramework[] = {
    { 'wind', &XGFieldList::gWindow },
    { 'view', &XGFieldList::gView },
    { 'text', &XGControlFields::gStaticText },
    { 'pbtn', &XGControlFields::gCommandButton },
    { 'edit', &XGControlFields::gEditText },
    { 'icon', &XGControlFields::gIcon },
    { 'popm', &XGControlFields::gPopControl },
    { 'list', &XGControlFields::gListControl },
    { 'dlog', &XGDialogFields::gDialog },
    { 'scrv', &XGControlFields::gScrollView },
    { 'pict', &XGControlFields::gPicture },
    { 'chkb', &XGControlFields::gCheckButton },
};

} // namespace

const XGSClassCatalogue XGClassFields::gFramework = { kFramework, int(std::size(kFramework)) };
