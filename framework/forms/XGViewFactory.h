// The registry that turns VRES view records into views by class code.
#pragma once

#include "foundation/XGSDynArray.h"

class XGArgStream;
class XGView;

typedef XGView* (*XGViewConstructor)(XGView* parent, XGArgStream& stream);

struct XGSFactory {
    long fCode;
    XGViewConstructor fConstructor;
};

class XGViewFactory {
public:
    // Appends; a code registered twice resolves to its first registration,
    // so a framework code cannot be taken over by an application's class.
    // A record whose code is not registered shows the Warning "Unable to
    // create view" with the code and becomes a plain XGView that reads the
    // common fields; its children are built inside it.
    static void Register(long code, XGViewConstructor constructor);

    // Builds the view of the record and all its children, depth first in
    // sibling order. The record must be well formed (program data in memory).
    static XGView* CreateFromData(const unsigned char* record, XGView* parent);
    // The same for data of known size that may be damaged: offsets and lengths
    // are checked before anything is built; a damaged tree throws a posted
    // error and builds nothing.
    static XGView* CreateFromData(const unsigned char* record, long size, XGView* parent);

    // The unregistered-code warning; tests replace it to see the warning
    // without running a modal alert. Null shows the framework's Warning.
    typedef void (*WarningProc)(unsigned long error, long code);
    static WarningProc gWarningProc;

    static XGSDynArray<XGSFactory> gList;

private:
    friend class XGWindowFactory;

    // Throws the posted error for a damaged tree; size < 0 means unknown.
    static void CheckTree(const unsigned char* record, long size, const char* source, long line);
    static void ReportMissing(unsigned long error, long code);
    // Builds one record of a checked tree and its children.
    static XGView* Build(const unsigned char* record, XGView* parent);
    static void BuildChildren(const unsigned char* record, XGView* parent);
};
