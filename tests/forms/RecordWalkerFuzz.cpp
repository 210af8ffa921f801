// Any bytes: the walker either refuses them or every record it accepted can
// be read to its end without leaving the data.
#include <cstddef>
#include <cstdint>

#include "records/XGArgStream.h"
#include "records/XGRecordWalker.h"

namespace {

void ReadAll(const unsigned char* record, int depth)
{
    XGSRecordHeader header = XGRecordWalker::ReadHeader(record);
    XGArgStream stream(record + 12, long(header.fLength) + 4);
    char text[256];
    while (stream.GetLength() > 0) {
        stream.ReadString(text);
        stream.ReadBoolean();
        stream.ReadInteger();
    }
    if (header.fChild == 0)
        return;
    const unsigned char* child = record + header.fChild;
    for (;;) {
        ReadAll(child, depth + 1);
        int32_t next = XGRecordWalker::ReadHeader(child).fNext;
        if (next == 0)
            break;
        child += next;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 1 << 16)
        return 0;
    // A copy of exactly the input's size, so that any read past it is caught.
    unsigned char* copy = new unsigned char[size ? size : 1];
    for (size_t i = 0; i < size; i++)
        copy[i] = data[i];
    if (XGRecordWalker::CheckTree(copy, long(size)).fFault == kRecordSound)
        ReadAll(copy, 0);
    delete[] copy;
    return 0;
}
