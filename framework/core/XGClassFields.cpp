#include "core/XGClassFields.h"

#include <iterator>

#include "controls/XGControlFields.h"
#include "dialogs/XGDialogFields.h"

namespace {

const XGSClassFields kFramework[] = {
    { kClassWindow, &XGFieldList::gWindow },
    { kClassView, &XGFieldList::gView },
    { kClassStaticText, &XGControlFields::gStaticText },
    { kClassPushButton, &XGControlFields::gCommandButton },
    { kClassEditText, &XGControlFields::gEditText },
    { kClassIcon, &XGControlFields::gIcon },
    { kClassPopControl, &XGControlFields::gPopControl },
    { kClassListControl, &XGControlFields::gListControl },
    { kClassDialog, &XGDialogFields::gDialog },
    { kClassScrollView, &XGControlFields::gScrollView },
    { kClassPicture, &XGControlFields::gPicture },
    { kClassCheckButton, &XGControlFields::gCheckButton },
};

} // namespace

const XGSClassCatalogue XGClassFields::gFramework = { kFramework, int(std::size(kFramework)) };
