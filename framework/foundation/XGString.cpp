#include "foundation/XGString.h"
#include <cstring>

XGString::XGString() : fStrAlloc(0), fString(nullptr) {}

XGString::~XGString()
{
    delete[] fString;
}

XGString& XGString::operator=(const char* text)
{
    if (!text) {
        delete[] fString;
        fString = nullptr;
        fStrAlloc = 0;
        return *this;
    }
    size_t length = strlen(text);
    // The capacity is a 16-bit count: longer texts are cut to the largest that fits.
    const size_t maxLength = 32767 / 64 * 64 - 1;
    if (length > maxLength)
        length = maxLength;
    int16_t alloc = int16_t((length + 1 + 63) / 64 * 64);
    if (alloc != fStrAlloc) {
        char* buffer = new char[size_t(alloc)];
        // text may point into the old buffer: copy before releasing it.
        memcpy(buffer, text, length);
        buffer[length] = 0;
        delete[] fString;
        fString = buffer;
        fStrAlloc = alloc;
    } else {
        memmove(fString, text, length);
        fString[length] = 0;
    }
    return *this;
}
