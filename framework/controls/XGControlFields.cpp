#include "controls/XGControlFields.h"

#include <iterator>

namespace {

const XGSField kStaticText[] = { { "text", kFieldString, 1 }, { "font", kFieldInteger, 1 } };
const XGSField kIcon[] = { { "icon", kFieldInteger, 1 }, { "size", kFieldInteger, 2 } };
const XGSField kPicture[] = { { "picture", kFieldInteger, 1 }, { "size", kFieldInteger, 2 } };
const XGSField kButton[] = { { "font", kFieldInteger, 1 } };
// The command button's second Integer is read and ignored.
const XGSField kCommandButton[] = { { "unusedvalue", kFieldInteger, 1 }, { "title", kFieldString, 1 } };
const XGSField kCheckButton[] = { { "value", kFieldInteger, 1 }, { "title", kFieldString, 1 } };
const XGSField kPopControl[] = { { "font", kFieldInteger, 1 } };
const XGSField kScrollView[] = {
    { "hscroll", kFieldBoolean, 1 },
    { "vscroll", kFieldBoolean, 1 },
    { "sizebox", kFieldBoolean, 1 },
};
const XGSField kListControl[] = {
    { "multiple", kFieldBoolean, 1 },
    { "font", kFieldInteger, 1 },
    { "clickadds", kFieldBoolean, 1 },
};
const XGSField kEditText[] = {
    { "text", kFieldString, 1 },
    { "font", kFieldInteger, 1 },
    { "maxlength", kFieldInteger, 1 },
    { "filter", kFieldInteger, 1 },
    { "password", kFieldBoolean, 1 },
    { "wordwrap", kFieldBoolean, 1 },
    { "unusedflag", kFieldBoolean, 1 },
    { "nomargin", kFieldBoolean, 1 },
    { "unusedvalue", kFieldInteger, 1 },
    { "multiline", kFieldBoolean, 1 },
};

} // namespace

const XGSFieldList XGControlFields::gStaticText = { &XGFieldList::gView, kStaticText, int(std::size(kStaticText)) };
const XGSFieldList XGControlFields::gIcon = { &XGFieldList::gView, kIcon, int(std::size(kIcon)) };
const XGSFieldList XGControlFields::gPicture = { &XGFieldList::gView, kPicture, int(std::size(kPicture)) };
const XGSFieldList XGControlFields::gButton = { &XGFieldList::gView, kButton, int(std::size(kButton)) };
const XGSFieldList XGControlFields::gCommandButton = { &gButton, kCommandButton, int(std::size(kCommandButton)) };
const XGSFieldList XGControlFields::gCheckButton = { &gButton, kCheckButton, int(std::size(kCheckButton)) };
const XGSFieldList XGControlFields::gPopControl = { &XGFieldList::gView, kPopControl, int(std::size(kPopControl)) };
const XGSFieldList XGControlFields::gScrollView = { &XGFieldList::gView, kScrollView, int(std::size(kScrollView)) };
const XGSFieldList XGControlFields::gListControl = { &gScrollView, kListControl, int(std::size(kListControl)) };
const XGSFieldList XGControlFields::gEditText = { &XGFieldList::gView, kEditText, int(std::size(kEditText)) };
