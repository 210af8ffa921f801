#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include "core/XGAppArgs.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    char buffer[kXGAppArgsBufferSize];
    char* args[kXGAppArgsMax];
    int count = XGSplitAppArgs(text.c_str(), buffer, args);
    if (count < 0 || count > kXGAppArgsMax)
        __builtin_trap();
    for (int i = 0; i < count; ++i) {
        if (args[i] < buffer || args[i] >= buffer + sizeof(buffer) || strlen(args[i]) > 255)
            __builtin_trap();
    }
    return 0;
}
