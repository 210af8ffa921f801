#include "forms/XGViewFactory.h"

#include <cstdio>

#include "records/XGArgStream.h"
#include "foundation/XGError.h"
#include "records/XGRecordWalker.h"
#include "views/XGView.h"

XGSDynArray<XGSFactory> XGViewFactory::gList;
XGViewFactory::WarningProc XGViewFactory::gWarningProc = nullptr;

void XGViewFactory::Register(long code, XGViewConstructor constructor)
{
    XGSFactory entry = { code, constructor };
    gList += entry;
}

XGView* XGViewFactory::CreateFromData(const unsigned char* record, XGView* parent)
{
    CheckTree(record, -1, "XGViewFactory", __LINE__);
    return Build(record, parent);
}

XGView* XGViewFactory::CreateFromData(const unsigned char* record, long size, XGView* parent)
{
    CheckTree(record, size, "XGViewFactory", __LINE__);
    return Build(record, parent);
}

// A damaged tree is refused as a whole before the first object exists, so a
// failure never leaves half a tree (or half a window) behind.
void XGViewFactory::CheckTree(const unsigned char* record, long size, const char* source, long line)
{
    XGSRecordCheck check = XGRecordWalker::CheckTree(record, size);
    if (check.fFault == kRecordSound)
        return;
    char text[160];
    std::snprintf(text, sizeof text, "damaged VRES tree: %s, record at offset %ld",
        XGRecordWalker::DescribeFault(check.fFault), check.fOffset);
    _InlineError(text, source, line);
}

void XGViewFactory::ReportMissing(unsigned long error, long code)
{
    if (gWarningProc != nullptr)
        gWarningProc(error, code);
    else
        Warning(error, code);
}

XGView* XGViewFactory::Build(const unsigned char* record, XGView* parent)
{
    XGSRecordHeader header = XGRecordWalker::ReadHeader(record);
    const unsigned char* arguments = record + 12;
    long length = long(header.fLength) + 4;

    XGView* view = nullptr;
    XGArgStream stream(arguments, length);
    for (long i = 0; i < gList.Length(); i++) {
        if (gList[i].fCode == header.fCode) {
            view = gList[i].fConstructor(parent, stream);
            break;
        }
    }
    if (view == nullptr) {
        ReportMissing(kErrUnregisteredView, header.fCode);
        // The plain view reads the common fields from the record's start,
        // whatever a failed constructor may have consumed.
        XGArgStream fresh(arguments, length);
        view = new XGView(parent, fresh);
    }

    if (header.fChild != 0) {
        try {
            BuildChildren(record, view);
        } catch (...) {
            delete view; // takes the children built so far with it
            throw;
        }
    }
    return view;
}

void XGViewFactory::BuildChildren(const unsigned char* record, XGView* parent)
{
    const unsigned char* child = record + XGRecordWalker::ReadHeader(record).fChild;
    for (;;) {
        Build(child, parent);
        int32_t next = XGRecordWalker::ReadHeader(child).fNext;
        if (next == 0)
            break;
        child += next;
    }
}
