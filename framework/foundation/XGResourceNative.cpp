// Native builds have no module resources: the framework's message tables are compiled in
// (generated from EMSG128.txt and EMSG129.txt by xgemsg) and stand in for EMSG 128 and 129.
#include <cstddef>
#include "foundation/XGResource.h"

extern const unsigned char kXGMessageTable128[];
extern const size_t kXGMessageTable128Size;
extern const unsigned char kXGMessageTable129[];
extern const size_t kXGMessageTable129Size;

bool GetResourceMessage(int16_t resID, int16_t index, char* title, char* message)
{
    if (resID == 128)
        return ReadResourceMessage(kXGMessageTable128, kXGMessageTable128Size, index, title, message);
    if (resID == 129)
        return ReadResourceMessage(kXGMessageTable129, kXGMessageTable129Size, index, title, message);
    return false;
}
