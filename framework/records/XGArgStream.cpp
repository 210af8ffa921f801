#include "records/XGArgStream.h"

#include <cstdint>
#include <cstring>

XGArgStream::XGArgStream(const unsigned char* data, long length)
    : fLength(length > 0 ? length : 0), fData(data)
{
}

long XGArgStream::ReadInteger()
{
    if (fLength < 4)
        return 0;
    uint32_t value = (uint32_t(fData[0]) << 24) | (uint32_t(fData[1]) << 16) | (uint32_t(fData[2]) << 8) | uint32_t(fData[3]);
    fData += 4;
    fLength -= 4;
    // Through int32_t so that FF FF FF F2 is -14 also where long is 64 bits.
    return static_cast<int32_t>(value);
}

bool XGArgStream::ReadBoolean()
{
    if (fLength < 2)
        return false;
    bool value = fData[0] != 0 || fData[1] != 0;
    fData += 2;
    fLength -= 2;
    return value;
}

void XGArgStream::ReadString(char* out)
{
    out[0] = '\0';
    if (fLength < 1)
        return;
    long announced = fData[0];
    fData++;
    fLength--;
    // A string cut short by the end of the record keeps what is there.
    long copied = announced < fLength ? announced : fLength;
    std::memcpy(out, fData, static_cast<size_t>(copied));
    out[copied] = '\0';
    fData += copied;
    fLength -= copied;
    if (announced % 2 == 0 && fLength > 0) {
        fData++;
        fLength--;
    }
}
