#pragma once
#include <cstddef>
#include <cstdint>

// Finds a string of the first string table of a version-information block in
// its 16-bit-character form (what the resource compiler stores) and copies
// its value, each character narrowed to its low byte, into buffer: at most
// size - 1 characters and a terminator. Every offset is checked against the
// block's size. Returns false, leaving the buffer untouched, when the block
// holds no such string.
bool XGFindVersionString(const uint8_t* block, size_t blockSize, const char* key, char* buffer, int16_t size);
