// Reads VRES record headers and checks a whole tree before anything is built
// from it: every record inside the data, offsets only forward, a bounded depth
// and no record reached twice. Byte-level only, so it also builds natively.
#pragma once

#include <cstdint>

struct XGSRecordHeader {
    int32_t fNext;   // next-sibling offset from this record, 0 = last sibling
    int32_t fChild;  // first-child offset from this record, 0 = no children
    int32_t fLength; // argument bytes after the class code
    int32_t fCode;   // class code, first character in the high byte
};

enum XGRecordFault {
    kRecordSound = 0,
    kRecordHeaderOutside,   // a record's header runs past the data
    kRecordLengthNegative,  // a negative argument length
    kRecordArgumentsOutside,// the arguments run past the data
    kRecordChildBackward,   // a child offset that is not past its parent's arguments
    kRecordSiblingBackward, // a sibling offset that is not past the record's arguments
    kRecordTooDeep,         // more nested levels than kMaxDepth
    kRecordTooMany          // more records than the data can hold: records overlap
};

struct XGSRecordCheck {
    XGRecordFault fFault;
    long fOffset; // of the record where the fault was found
};

class XGRecordWalker {
public:
    enum { kHeaderSize = 16, kMaxDepth = 64 };

    static XGSRecordHeader ReadHeader(const unsigned char* record);

    // Checks the tree whose top record starts at data. size < 0: the size is
    // not known (trusted data in memory); only the structural rules apply.
    static XGSRecordCheck CheckTree(const unsigned char* data, long size);

    static const char* DescribeFault(XGRecordFault fault);
};
