#include "forms/XGWindowFactory.h"

#include <windows.h>

#include "dispatch/XGGlobals.h"
#include "records/XGArgStream.h"
#include "foundation/XGError.h"
#include "records/XGRecordWalker.h"
#include "forms/XGViewFactory.h"
#include "views/XGWindow.h"

XGSDynArray<XGSWFactory> XGWindowFactory::gList;

XGWindow* XGWindowFactory::Build(const unsigned char* record, XGForm* form)
{
    XGSRecordHeader header = XGRecordWalker::ReadHeader(record);
    const unsigned char* arguments = record + 12;
    long length = long(header.fLength) + 4;

    XGWindow* window = nullptr;
    XGArgStream stream(arguments, length);
    for (long i = 0; i < XGWindowFactory::gList.Length(); i++) {
        if (gList[i].fCode == header.fCode) {
            window = gList[i].fConstructor(stream, form);
            break;
        }
    }
    if (window == nullptr) {
        XGViewFactory::ReportMissing(kErrUnregisteredWindow, header.fCode);
        XGArgStream fresh(arguments, length);
        window = new XGWindow(fresh, form);
    }

    if (header.fChild != 0) {
        try {
            XGViewFactory::BuildChildren(record, window);
        } catch (...) {
            delete window; // closes the native window and takes the views with it
            throw;
        }
    }
    return window;
}

void XGWindowFactory::Register(long code, XGWindowConstructor constructor)
{
    XGSWFactory entry = { code, constructor };
    gList += entry;
}

XGWindow* XGWindowFactory::CreateFromData(const unsigned char* record, XGForm* form)
{
    XGViewFactory::CheckTree(record, -1, "XGWindowFactory", __LINE__);
    return Build(record, form);
}

XGWindow* XGWindowFactory::CreateFromData(const unsigned char* record, long size, XGForm* form)
{
    XGViewFactory::CheckTree(record, size, "XGWindowFactory", __LINE__);
    return Build(record, form);
}

XGWindow* XGWindowFactory::CreateFromResource(short resID, XGForm* form)
{
    HRSRC hsrc = FindResourceW(_GInstance, MAKEINTRESOURCEW(static_cast<WORD>(resID)), L"VRes");
    if (hsrc == NULL)
        throw XGPostError(kErrNoVresResource, long(resID));
    HGLOBAL h = LoadResource(_GInstance, hsrc);
    if (h == NULL)
        _InlineError("h != NULL", "XGWindowFactory", 170);
    const unsigned char* data = static_cast<const unsigned char*>(LockResource(h));
    long size = static_cast<long>(SizeofResource(_GInstance, hsrc));

    // Every constructor copies what it reads, so the bytes are not kept.
    struct Release {
        HGLOBAL fHandle;
        ~Release() { FreeResource(fHandle); }
    } release = { h };
    return CreateFromData(data, size, form);
}
