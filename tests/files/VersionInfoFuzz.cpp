#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>
#include "files/XGVersionInfo.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // An exact-size copy, so that any read past the block is caught.
    std::vector<uint8_t> block(data, data + size);
    char buffer[8];
    memset(buffer, 0x55, sizeof(buffer));
    if (XGFindVersionString(block.data(), block.size(), "FileVersion", buffer, 4)) {
        if (strnlen(buffer, 4) > 3 || buffer[4] != 0x55)
            __builtin_trap();
    }
    return 0;
}
