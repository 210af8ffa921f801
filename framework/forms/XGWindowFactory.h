// The registry that turns the top record of a VRES tree into a window by class
// code; the views below it are built by XGViewFactory.
#pragma once

#include "foundation/XGSDynArray.h"

class XGArgStream;
class XGForm;
class XGWindow;

typedef XGWindow* (*XGWindowConstructor)(XGArgStream& stream, XGForm* form);

struct XGSWFactory {
    long fCode;
    XGWindowConstructor fConstructor;
};

class XGWindowFactory {
public:
    // Appends; a code registered twice resolves to its first registration.
    static void Register(long code, XGWindowConstructor constructor);

    // Builds the window of the top record and every view below it. The tree
    // must be well formed (program data in memory).
    static XGWindow* CreateFromData(const unsigned char* record, XGForm* form);
    // The same for data of known size that may be damaged: a damaged tree
    // throws a posted error and nothing is left built.
    static XGWindow* CreateFromData(const unsigned char* record, long size, XGForm* form);
    // Loads resource VRES resID of the program's module and builds it through
    // the size-checked route. Only the executable's own resources are
    // searched (the script's "resID VRES file" line); a missing one throws
    // the "Assertion Failure" error naming "hsrc != NULL".
    // A top record whose class code nobody registered shows the Warning
    // "Unable to create window" with the code and builds a plain XGWindow
    // from the record instead; its views are built all the same.
    static XGWindow* CreateFromResource(short resID, XGForm* form);

    static XGSDynArray<XGSWFactory> gList;

private:
    static XGWindow* Build(const unsigned char* record, XGForm* form);
};
