#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// Text inside the framework is UTF-8; Win32 takes UTF-16. This is the one place that
// reads and writes both forms. Byte-level: it builds natively for the sanitizer tests
// and the fuzzer. Nothing here trusts its input: a sequence that is not well-formed
// UTF-8 (cut short, overlong, a surrogate, above U+10FFFF, a stray continuation byte)
// reads as one U+FFFD per maximal ill-formed subpart, the way Windows and the Unicode
// standard's recommended practice count them, and a lone surrogate in UTF-16 reads as
// U+FFFD too. Offsets are bytes (UTF-8) or 16-bit units (UTF-16).
class XGUtf8 {
public:
    static constexpr char32_t kReplacement = 0xFFFD;

    // The character starting at text[offset] (offset < size) and the bytes it takes
    // (at least 1); an ill-formed subpart gives U+FFFD and its length.
    static char32_t Decode(const char* text, size_t size, size_t offset, size_t* length);
    // Whether every byte belongs to a well-formed sequence.
    static bool IsValid(const char* text, size_t size);
    static bool IsValid(const std::string& text) { return IsValid(text.data(), text.size()); }

    // The offset after the character at offset (size at the end).
    static size_t Next(const char* text, size_t size, size_t offset);
    // The start of the character before offset (0 at the start). Consistent with Next:
    // Next(Previous(x)) lands on x for any x that Next can reach from 0.
    static size_t Previous(const char* text, size_t size, size_t offset);
    // Whether offset is where a character starts (or the end).
    static bool IsBoundary(const char* text, size_t size, size_t offset);
    // The characters in text, each ill-formed subpart counted as one.
    static size_t CountCharacters(const char* text, size_t size);

    // Appends the UTF-8 form of one code point; surrogates and values above U+10FFFF
    // append U+FFFD.
    static void Append(std::string& out, char32_t c);
    // UTF-8 to UTF-16 and back, ill-formed input replaced.
    static std::u16string ToUtf16(const char* text, size_t size);
    static std::u16string ToUtf16(const std::string& text) { return ToUtf16(text.data(), text.size()); }
    static std::string FromUtf16(const char16_t* text, size_t size);
    static std::string FromUtf16(const std::u16string& text) { return FromUtf16(text.data(), text.size()); }
    // The well-formed copy of text (ill-formed subparts become U+FFFD).
    static std::string Repaired(const char* text, size_t size);
    // How many of text's bytes fit into limit bytes without cutting a character:
    // size when all fit, else the last character boundary at or before limit.
    static size_t FitBytes(const char* text, size_t size, size_t limit);
    // Copies text into a buffer of bufferSize bytes (bufferSize > 0), cut at a
    // character boundary and null-terminated; returns the bytes copied.
    static size_t CopyFitting(const std::string& text, char* buffer, size_t bufferSize);
};
