// The Unicode encodings a text file may come in, told apart by its bytes, and
// the conversion of such a file to the text engine's UTF-8 and back. A file
// read and written again without an edit gets its own bytes back, its byte
// order mark included. The system's ANSI code page needs Windows and is
// converted elsewhere (NTCodePage); kept free of <windows.h>: it is tested
// and fuzzed natively.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class NTEncoding {
public:
    NTEncoding() = delete;

    enum Kind : uint8_t {
        kUtf8,          // UTF-8 without a byte order mark; what a new document is saved in
        kUtf8Bom,       // UTF-8 after EF BB BF
        kUtf16LE,       // UTF-16 little-endian after FF FE
        kUtf16BE,       // UTF-16 big-endian after FE FF
        kAnsi           // the system's ANSI code page: bytes that are none of the above
    };

    // A byte order mark decides, when what follows it is well-formed in its
    // encoding; else well-formed UTF-8 is UTF-8, and anything else is ANSI.
    // (A UTF-16 mark before an odd number of bytes or a lone surrogate says
    // nothing: converting those would not give the file's bytes back.)
    static Kind Detect(const char* bytes, size_t size);

    // The UTF-8 text of a UTF-8 file, in place where it was read (without
    // its byte order mark): answers the text's size.
    static size_t DecodeUtf8InPlace(char* bytes, size_t size, Kind kind);
    // The UTF-8 text of a UTF-16 file, its byte order mark left out.
    static std::string DecodeUtf16(const char* bytes, size_t size, Kind kind);
    // The bytes of a file in one of the Unicode kinds, with its byte order
    // mark. UTF-8 text is written as it is; for UTF-16 a sequence that is
    // not well-formed UTF-8 becomes U+FFFD.
    static std::string Encode(const char* text, size_t size, Kind kind);

    // What the user is shown: "UTF-8", "UTF-8 BOM", "UTF-16 LE", "UTF-16 BE", "ANSI".
    static const char* Name(Kind kind);
};
