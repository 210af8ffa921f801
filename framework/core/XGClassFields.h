// The framework's classes by the codes records name them with, each with its
// field list: the codes it registers itself and those of the classes it offers
// for applications to register ('scrv', 'pict', 'chkb'). Byte-level, so that
// the build-time compiler learns the classes from the same lists the
// constructors read through.
#pragma once

#include "records/XGFieldList.h"

class XGClassFields {
public:
    static const XGSClassCatalogue gFramework;
};
