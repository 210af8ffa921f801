#include "NTTextFile.h"

#include <cstring>

NTTextFile::Refusal NTTextFile::Check(const char* bytes, uint64_t size)
{
    if (size > kMaxSize)
        return kTooLarge;
    if (size && bytes && std::memchr(bytes, 0, size_t(size)))
        return kZeroByte;
    return kHolds;
}

NTTextFile::LineEnd NTTextFile::FindLineEnd(const char* bytes, size_t size)
{
    for (size_t i = 0; i < size; ++i) {
        if (bytes[i] == '\n')
            return kLF;
        if (bytes[i] == '\r')
            return i + 1 < size && bytes[i + 1] == '\n' ? kCRLF : kCR;
    }
    return kCRLF;
}

std::string NTTextFile::Decode(const char* bytes, size_t size)
{
    std::string text(bytes, size);
    text.resize(DecodeInPlace(&text[0], size));
    return text;
}

size_t NTTextFile::DecodeInPlace(char* bytes, size_t size)
{
    // Writing never overtakes reading: each line end read becomes at most
    // one byte written.
    size_t out = 0;
    for (size_t i = 0; i < size; ++i) {
        char c = bytes[i];
        if (c == '\r') {
            if (i + 1 < size && bytes[i + 1] == '\n')
                ++i;
            c = '\n';
        }
        bytes[out++] = c;
    }
    return out;
}

std::string NTTextFile::Encode(const char* text, size_t size, LineEnd lineEnd)
{
    const char* ending = lineEnd == kCRLF ? "\r\n" : lineEnd == kLF ? "\n" : "\r";
    size_t endingSize = std::strlen(ending);
    std::string bytes;
    size_t lines = 0;
    for (size_t i = 0; i < size; ++i)
        lines += text[i] == '\n';
    bytes.reserve(size + lines * (endingSize - 1));
    for (size_t i = 0; i < size; ++i) {
        if (text[i] == '\n')
            bytes.append(ending, endingSize);
        else
            bytes.push_back(text[i]);
    }
    return bytes;
}
