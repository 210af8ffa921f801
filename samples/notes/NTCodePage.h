// Text in the system's ANSI code page (a file whose bytes are not UTF-8) and
// back, through the system's own tables. Nothing is ever replaced quietly:
// a character the code page cannot hold is not turned into a look-alike or
// a question mark, the conversion says so instead.
#pragma once

#include <cstddef>
#include <string>

class NTCodePage {
public:
    NTCodePage() = delete;

    // The UTF-8 form of bytes in the ANSI code page. A byte that starts no
    // character the code page defines becomes U+FFFD (which it cannot hold,
    // so that saving such a text asks first); false when the text would be
    // too large.
    static bool Decode(const char* bytes, size_t size, std::string& text);
    // The bytes of UTF-8 text in the ANSI code page; false, with bytes left
    // empty, when a character has no exact form there (or the text is not
    // well-formed).
    static bool Encode(const char* text, size_t size, std::string& bytes);
};
