#pragma once
#include <cstdint>

// Numbers inside the framework's own resources are big-endian.
uint16_t SwapWord(uint16_t value);
uint32_t SwapLong(uint32_t value);
