// A file's bytes as the text engine holds them, and back. The engine keeps
// single-byte text with one line feed per line end; a file may end its lines
// with CR LF, a lone LF or a lone CR. The document remembers which, so that
// saving writes the lines back the way the file had them. Kept free of
// <windows.h>: it is tested natively.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class NTTextFile {
public:
    NTTextFile() = delete;

    enum LineEnd : uint8_t { kCRLF, kLF, kCR };

    // Why the engine cannot hold a file's bytes.
    enum Refusal : uint8_t {
        kHolds,         // it can
        kZeroByte,      // a zero byte: the engine's text ends at the first one
        kTooLarge       // more bytes than the engine's 32-bit signed offsets reach
    };

    // The largest text the engine's offsets can address.
    static constexpr uint64_t kMaxSize = 0x7FFFFFFF;

    static Refusal Check(const char* bytes, uint64_t size);
    // The line end a file uses: that of its first line; CR LF when it has none.
    static LineEnd FindLineEnd(const char* bytes, size_t size);
    // CR LF, a lone CR and a lone LF each become one line feed. The bytes must
    // have passed Check.
    static std::string Decode(const char* bytes, size_t size);
    // The same in place, where the bytes were read (the text is never longer
    // than the file): answers the text's size.
    static size_t DecodeInPlace(char* bytes, size_t size);
    // Every line feed of the engine's text becomes the line end given.
    static std::string Encode(const char* text, size_t size, LineEnd lineEnd);
};
