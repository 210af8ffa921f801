// Feeds arbitrary bytes to the readers of untrusted layouts: an EMSG table, a formatter
// template and a string list's handle. They must never read or write out of bounds.
#include <cstdint>
#include <cstring>
#include <string>
#include "foundation/XGError.h"
#include "foundation/XGResource.h"
#include "foundation/XGStringList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3)
        return 0;
    int16_t index = int16_t((data[0] << 8) | data[1]);
    const uint8_t* body = data + 2;
    size_t bodySize = size - 2;

    char title[256], message[256];
    ReadResourceMessage(body, bodySize, index, title, message);

    std::string tmpl(reinterpret_cast<const char*>(body), bodySize);
    // Templates pick letters at random, so every argument is valid as any of them: a
    // length-prefixed string that is also null-terminated.
    static const unsigned char text[] = {3, 'a', 'b', 'c', 0};
    XGArg args[9];
    for (XGArg& arg : args)
        arg = XGArg(text);
    char out[64];
    XGFormat(out, sizeof out, tmpl.c_str(), args, 9);
    XGFormatArgCount(tmpl.c_str());

    XGStringList list(int16_t(data[0] % 3));
    list.Append(uint32_t(bodySize), body);
    // Pretend the bytes hold as many entries as the first byte says.
    for (int k = 0; k < 4; ++k)
        list.AppendString("");
    try {
        char text[256];
        for (int32_t i = 0; i < list.GetNumStrings(); ++i)
            list.GetString(i, text);
    } catch (const XGPostError&) {
    }
    return 0;
}
