#include "controls/XGScriptBreaks.h"

#include <windows.h>
#include <usp10.h>

#include <vector>

#include "controls/XGTextClusters.h"
#include "foundation/XGUtf8.h"

void XGScriptBreaks::Install()
{
    XGTextClusters::SetBreaker(&XGScriptBreaks::Breaks);
}

bool XGScriptBreaks::Breaks(const char* text, size_t size, bool* starts)
{
    if (size == 0)
        return true;
    // The UTF-16 form, and for each of its units the byte where its
    // character starts; the second unit of a pair maps to no byte, so that a
    // stop the system might give there cannot split the character.
    const size_t kNoByte = size_t(-1);
    std::vector<WCHAR> wide;
    std::vector<size_t> byteOf;
    wide.reserve(size + 1);
    byteOf.reserve(size + 1);
    for (size_t p = 0; p < size;) {
        size_t length;
        char32_t c = XGUtf8::Decode(text, size, p, &length);
        if (c >= 0x10000) {
            wide.push_back(WCHAR(0xD800 + ((c - 0x10000) >> 10)));
            wide.push_back(WCHAR(0xDC00 + ((c - 0x10000) & 0x3FF)));
            byteOf.push_back(p);
            byteOf.push_back(kNoByte);
        } else {
            wide.push_back(WCHAR(c));
            byteOf.push_back(p);
        }
        p += length;
    }
    int units = int(wide.size());
    std::vector<SCRIPT_ITEM> items(size_t(units) + 2);
    int count = 0;
    if (FAILED(ScriptItemize(wide.data(), units, int(items.size()) - 1, nullptr, nullptr,
                             items.data(), &count)))
        return false;
    std::vector<SCRIPT_LOGATTR> attributes;
    for (int i = 0; i < count; ++i) {
        int first = items[size_t(i)].iCharPos;
        int length = items[size_t(i) + 1].iCharPos - first;
        if (length <= 0)
            continue;
        attributes.assign(size_t(length), SCRIPT_LOGATTR());
        if (FAILED(ScriptBreak(wide.data() + first, length, &items[size_t(i)].a, attributes.data())))
            return false;
        for (int u = 0; u < length; ++u) {
            size_t byte = byteOf[size_t(first + u)];
            if (attributes[size_t(u)].fCharStop && byte != kNoByte)
                starts[byte] = true;
        }
    }
    return true;
}
