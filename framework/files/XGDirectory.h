#pragma once
#include "foundation/XGString.h"

// A folder path that ends with its separator. One global object, the
// application directory, holds the folder of the running program.
class XGDirectory {
public:
    XGDirectory();
    virtual ~XGDirectory();
    XGDirectory(const XGDirectory&) = delete;
    XGDirectory& operator=(const XGDirectory&) = delete;

    // Sets the application directory; called by the application object.
    static void InitDirectoryInfo();
    static XGDirectory& GetAppDirectory() { return gAppDirectory; }

    // Fills the path with the folder of the running program.
    void SetDirectoryInfo();
    // The same for a given module path (what SetDirectoryInfo does with its own).
    void SetDirectoryFromPath(const char* modulePath);

    const char* GetPath() const { return fPath.Get(); }
    bool IsInit() const { return fInit; }

private:
    XGString fPath;
    bool fInit;
    void* fSearch;      // directory-search handle, INVALID_HANDLE_VALUE when none

    static XGDirectory gAppDirectory;
};

// The folder part of a path, up to and with the last ':' or '\\'; empty when
// there is neither. Writes at most size - 1 characters and a terminator.
void XGFolderOfPath(const char* path, char* folder, int size);
