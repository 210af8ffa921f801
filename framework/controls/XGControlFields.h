// The fields that the framework's controls read from their records after the
// common view fields; byte-level, shared with the build-time compiler.
#pragma once

#include "records/XGFieldList.h"

class XGControlFields {
public:
    static const XGSFieldList gStaticText;
    static const XGSFieldList gIcon;
    static const XGSFieldList gPicture;
    // XGButton's font, read before the fields of each kind of button.
    static const XGSFieldList gButton;
    static const XGSFieldList gCommandButton;
    static const XGSFieldList gCheckButton;
    static const XGSFieldList gPopControl;
    static const XGSFieldList gScrollView;
    // After the scroll view's fields.
    static const XGSFieldList gListControl;
    static const XGSFieldList gEditText;
};
