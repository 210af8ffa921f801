// The fields a class reads from its VRES record, declared once per class and
// shared by the constructors (through XGFieldReader) and the build-time
// compiler. Byte-level: no <windows.h>, so the compiler and native tests can
// include it.
#pragma once

#include "foundation/XGTypes.h"

// Codes of the two classes every program has: a plain view, which reads only
// the view fields below, and a plain window, which reads only the window
// fields. Registered by the application core (XGAppCore).
enum : long {
    kClassView = XGCode("view"),   // XGView
    kClassWindow = XGCode("wind"), // XGWindow
};

enum XGFieldType { kFieldInteger, kFieldBoolean, kFieldString };

struct XGSField {
    const char* fName; // the name in the text form
    XGFieldType fType;
    int fCount; // values in the field: "lock" holds 4 Booleans
};

// A class's own fields, read after those of its base list; the chain ends at
// the common view or window fields.
struct XGSFieldList {
    const XGSFieldList* fBase;
    const XGSField* fFields;
    int fCount;
};

// The class that a code builds, for a table of codes.
struct XGSClassFields {
    long fCode;
    const XGSFieldList* fList;
};

struct XGSClassCatalogue {
    const XGSClassFields* fClasses;
    int fCount;
};

class XGFieldList {
public:
    // Read by every view class, right after the class code.
    static const XGSFieldList gView;
    // Read by every window class, right after the class code.
    static const XGSFieldList gWindow;

    // True when the chain ends at the window fields.
    static bool IsWindow(const XGSFieldList& list);
    // Fields of the whole chain, common ones first.
    static int Size(const XGSFieldList& list);
    static const XGSField& At(const XGSFieldList& list, int index);
    // The list of the code's entry whose chain is of the given kind; null for
    // none.
    static const XGSFieldList* Find(const XGSClassCatalogue& catalogue, long code, bool window);
};
