// The fields that the framework's controls read from their records after the
// common view fields; byte-level, shared with the build-time compiler.
#pragma once

#include "records/XGFieldList.h"

// Codes that VRES records name the controls by. The application core
// registers the first six for every program; a program that builds the last
// three from its records registers them itself, e.g.
//   XGViewTemplate<XGScrollView>::Register(kClassScrollView);
enum : long {
    kClassStaticText = XGCode("text"),    // XGStaticText
    kClassPushButton = XGCode("pbtn"),    // XGCommandButton
    kClassEditText = XGCode("edit"),      // XGEditText
    kClassIcon = XGCode("icon"),          // XGIcon
    kClassPopControl = XGCode("popm"),    // XGPopControl
    kClassListControl = XGCode("list"),   // XGListControl
    kClassScrollView = XGCode("scrv"),    // XGScrollView
    kClassPicture = XGCode("pict"),       // XGPicture
    kClassCheckButton = XGCode("chkb"),   // XGCheckButton
};

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
