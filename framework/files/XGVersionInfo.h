#pragma once
#include <cstddef>
#include <cstdint>

// Finds a string of the first string table of a version-information block in
// its 16-bit-character form (what the resource compiler stores) and copies
// its value in UTF-8 into buffer: at most size - 1 bytes, cut where a
// character ends, and a terminator (a lone surrogate reads as U+FFFD). Every offset is checked against the
// block's size. Returns false, leaving the buffer untouched, when the block
// holds no such string.
bool XGFindVersionString(const uint8_t* block, size_t blockSize, const char* key, char* buffer, int16_t size);
