#include <cstring>
#include "foundation/XGResource.h"

char* cvtp2c(char* dest, const void* pstring)
{
    const unsigned char* source = static_cast<const unsigned char*>(pstring);
    memcpy(dest, source + 1, source[0]);
    dest[source[0]] = 0;
    return dest;
}

bool ReadResourceMessage(const void* data, size_t size, int16_t index, char* title, char* message)
{
    const unsigned char* bytes = static_cast<const unsigned char*>(data);
    if (!bytes || size < 2)
        return false;
    int16_t count = int16_t(uint16_t((bytes[0] << 8) | bytes[1]));
    if (index < 0 || index >= count)
        return false;
    // Every length is checked against the resource's size before it is trusted: a
    // truncated table reads as a missing entry, never past its end.
    size_t offset = 2;
    auto skip = [&]() {
        if (offset >= size || size - offset - 1 < bytes[offset])
            return false;
        offset += 1 + bytes[offset];
        return true;
    };
    for (int16_t k = 0; k < index; ++k)
        if (!skip() || !skip())
            return false;
    size_t titleAt = offset;
    if (!skip())
        return false;
    size_t messageAt = offset;
    if (!skip())
        return false;
    cvtp2c(title, bytes + titleAt);
    cvtp2c(message, bytes + messageAt);
    return true;
}
