// What the user sees as one character in UTF-8 text: a base character with
// the combining marks, variation selectors and emoji modifiers that follow
// it, emoji joined by zero width joiners, a pair of regional indicators (a
// flag) and a Hangul syllable spelt in jamo. The caret, the selection, the
// Backspace and every hit test and line break of the text editor move by
// these clusters, so that none splits a character or strips a mark from its
// base. The rules are the framework's own, a subset of the extended grapheme
// clusters of the Unicode standard, the same on every system the framework
// builds for; byte-level, so the editor's arithmetic is tested natively.
// Offsets are bytes; nothing here trusts its input (an ill-formed subpart
// is a cluster of its own, like a control character).
#pragma once

#include <cstddef>

class XGTextClusters {
public:
    // The offset after the cluster starting at offset (size at the end).
    static size_t Next(const char* text, size_t size, size_t offset);
    // The start of the cluster holding the byte before offset (0 at the start).
    static size_t Previous(const char* text, size_t size, size_t offset);
    // offset when a cluster starts there, else the start of the cluster
    // holding it; offsets past the end give size.
    static size_t Floor(const char* text, size_t size, size_t offset);
    static bool IsBoundary(const char* text, size_t size, size_t offset);
    static size_t Count(const char* text, size_t size);

    // Whether c attaches to the character before it (marks, variation
    // selectors, emoji modifiers, tags).
    static bool IsExtend(char32_t c);
};
