// Arbitrary bytes through the UTF-8 reader and both conversions: never out of bounds,
// the result always well-formed, stepping forward and back always agreeing.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "foundation/XGUtf8.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const char* text = reinterpret_cast<const char*>(data);
    std::u16string wide = XGUtf8::ToUtf16(text, size);
    std::string back = XGUtf8::FromUtf16(wide);
    if (!XGUtf8::IsValid(back) || back != XGUtf8::Repaired(text, size))
        std::abort();
    if (XGUtf8::IsValid(text, size) && back != std::string(text, size))
        std::abort();
    // Reinterpreting the bytes as UTF-16 units gives lone surrogates to repair.
    std::u16string units(size / 2, u'\0');
    for (size_t i = 0; i + 1 < size; i += 2)
        units[i / 2] = char16_t(data[i] | (data[i + 1] << 8));
    if (!XGUtf8::IsValid(XGUtf8::FromUtf16(units)))
        std::abort();
    size_t count = 0;
    for (size_t offset = 0; offset < size;) {
        size_t next = XGUtf8::Next(text, size, offset);
        if (next <= offset || next > size || XGUtf8::Previous(text, size, next) != offset
            || !XGUtf8::IsBoundary(text, size, next))
            std::abort();
        offset = next;
        count++;
    }
    if (count != XGUtf8::CountCharacters(text, size))
        std::abort();
    return 0;
}
