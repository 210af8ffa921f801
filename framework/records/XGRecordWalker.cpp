#include "records/XGRecordWalker.h"

namespace {

int32_t ReadBig(const unsigned char* p)
{
    return static_cast<int32_t>((uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | uint32_t(p[3]));
}

// Offsets are added in 64 bits: a 32-bit offset near its limit must not wrap
// around to a place inside the data.
class TreeCheck {
public:
    TreeCheck(const unsigned char* data, long size)
        : fData(data), fSize(size), fBudget(size >= 0 ? size / XGRecordWalker::kHeaderSize : INT64_MAX)
    {
        fResult.fFault = kRecordSound;
        fResult.fOffset = 0;
    }

    XGSRecordCheck Run()
    {
        XGSRecordHeader header;
        Subtree(0, 0, &header);
        return fResult;
    }

private:
    bool Fail(XGRecordFault fault, int64_t at)
    {
        fResult.fFault = fault;
        fResult.fOffset = static_cast<long>(at);
        return false;
    }

    bool Subtree(int64_t at, int depth, XGSRecordHeader* header)
    {
        if (fSize >= 0 && (at < 0 || at + XGRecordWalker::kHeaderSize > fSize))
            return Fail(kRecordHeaderOutside, at);
        // Each record uses at least a header's worth of the data, so more
        // records than that means some are reached twice.
        if (--fBudget < 0)
            return Fail(kRecordTooMany, at);
        *header = XGRecordWalker::ReadHeader(fData + at);
        if (header->fLength < 0)
            return Fail(kRecordLengthNegative, at);
        int64_t extent = int64_t(XGRecordWalker::kHeaderSize) + header->fLength;
        if (fSize >= 0 && at + extent > fSize)
            return Fail(kRecordArgumentsOutside, at);
        if (header->fChild == 0)
            return true;
        if (header->fChild < extent)
            return Fail(kRecordChildBackward, at);
        if (depth + 1 > XGRecordWalker::kMaxDepth)
            return Fail(kRecordTooDeep, at);
        int64_t child = at + header->fChild;
        for (;;) {
            XGSRecordHeader childHeader;
            if (!Subtree(child, depth + 1, &childHeader))
                return false;
            if (childHeader.fNext == 0)
                return true;
            if (childHeader.fNext < int64_t(XGRecordWalker::kHeaderSize) + childHeader.fLength)
                return Fail(kRecordSiblingBackward, child);
            child += childHeader.fNext;
        }
    }

    const unsigned char* fData;
    int64_t fSize;
    int64_t fBudget;
    XGSRecordCheck fResult;
};

} // namespace

XGSRecordHeader XGRecordWalker::ReadHeader(const unsigned char* record)
{
    XGSRecordHeader header;
    header.fNext = ReadBig(record);
    header.fChild = ReadBig(record + 4);
    header.fLength = ReadBig(record + 8);
    header.fCode = ReadBig(record + 12);
    return header;
}

XGSRecordCheck XGRecordWalker::CheckTree(const unsigned char* data, long size)
{
    return TreeCheck(data, size).Run();
}

const char* XGRecordWalker::DescribeFault(XGRecordFault fault)
{
    switch (fault) {
    case kRecordSound:
        return "no fault";
    case kRecordHeaderOutside:
        return "a record lies outside the resource";
    case kRecordLengthNegative:
        return "negative argument length";
    case kRecordArgumentsOutside:
        return "the arguments run past the resource";
    case kRecordChildBackward:
        return "a child offset points back into its parent";
    case kRecordSiblingBackward:
        return "a sibling offset points back into its predecessor";
    case kRecordTooDeep:
        return "the tree is nested too deeply";
    case kRecordTooMany:
        return "records are reached more than once";
    }
    return "unknown fault";
}
