// Arbitrary bytes as a file Notes opens: whatever kind they are taken for,
// decoding gives well-formed UTF-8 and writing that text back in the same
// kind gives the file's own bytes.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "NTEncoding.h"
#include "foundation/XGUtf8.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string file(reinterpret_cast<const char*>(data), size);
    NTEncoding::Kind kind = NTEncoding::Detect(file.data(), file.size());
    if (kind == NTEncoding::kAnsi)
        return 0;
    std::string text;
    if (kind == NTEncoding::kUtf16LE || kind == NTEncoding::kUtf16BE) {
        text = NTEncoding::DecodeUtf16(file.data(), file.size(), kind);
    } else {
        text = file;
        text.resize(NTEncoding::DecodeUtf8InPlace(&text[0], text.size(), kind));
    }
    if (!XGUtf8::IsValid(text))
        std::abort();
    if (NTEncoding::Encode(text.data(), text.size(), kind) != file)
        std::abort();
    // The same text in every Unicode kind comes back as itself.
    for (NTEncoding::Kind other : {NTEncoding::kUtf8, NTEncoding::kUtf8Bom, NTEncoding::kUtf16LE,
                                   NTEncoding::kUtf16BE}) {
        std::string bytes = NTEncoding::Encode(text.data(), text.size(), other);
        NTEncoding::Kind seen = NTEncoding::Detect(bytes.data(), bytes.size());
        // A text that starts with U+FEFF written without a mark reads as marked.
        if (seen != other && !(other == NTEncoding::kUtf8 && seen == NTEncoding::kUtf8Bom))
            std::abort();
    }
    return 0;
}
