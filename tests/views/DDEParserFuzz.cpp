#include "views/XGDDEParser.h"

#include <cstdint>
#include <cstring>

static void Check(const XGDDECommand& command, void* calls)
{
    ++*static_cast<int*>(calls);
    // Every copy stays inside its buffer and is terminated there.
    if (std::strlen(command.name) >= sizeof command.name || command.argCount < 0 ||
        command.argCount > XGDDECommand::kMaxArgs)
        __builtin_trap();
    for (int i = 0; i < command.argCount; ++i)
        if (std::strlen(command.args[i]) >= XGDDECommand::kArgSize)
            __builtin_trap();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // A refused string runs none of its commands.
    int calls = 0;
    if (!XGDDEParser::ParseDDEExecute(reinterpret_cast<const char*>(data), size, Check, &calls) && calls != 0)
        __builtin_trap();
    return 0;
}
