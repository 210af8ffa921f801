// Native builds have no module resources: the framework's message table is compiled in
// (generated from EMSG128.txt by xgemsg) and stands in for EMSG 128.
#include <cstddef>
#include "XGResource.h"

extern const unsigned char kXGMessageTable128[];
extern const size_t kXGMessageTable128Size;

bool GetResourceMessage(int16_t resID, int16_t index, char* title, char* message)
{
    if (resID != 128)
        return false;
    return ReadResourceMessage(kXGMessageTable128, kXGMessageTable128Size, index, title, message);
}
