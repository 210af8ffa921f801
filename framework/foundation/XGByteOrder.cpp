#include "XGByteOrder.h"

uint16_t SwapWord(uint16_t value)
{
    return static_cast<uint16_t>((value >> 8) | (value << 8));
}

uint32_t SwapLong(uint32_t value)
{
    return (value >> 24) | ((value >> 8) & 0xFF00u) | ((value << 8) & 0xFF0000u) | (value << 24);
}
