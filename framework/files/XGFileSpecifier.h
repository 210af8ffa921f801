#pragma once
#include "foundation/XGString.h"

// A path to a file, as the command line or a DDE request names it.
class XGFileSpecifier {
public:
    XGFileSpecifier();
    virtual ~XGFileSpecifier();
    XGFileSpecifier(const XGFileSpecifier&) = delete;

    XGFileSpecifier& operator=(const char* path);
    const char* GetPath() const { return fPath.Get(); }

private:
    XGString fPath;
};
