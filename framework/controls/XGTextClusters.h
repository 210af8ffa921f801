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
//
// A system with cluster breaks of its own (Windows, through Uniscribe) can
// install them as a breaker: in text that is not plain ASCII a cluster then
// also holds what the system joins (an Indic syllable, where the system keeps
// one), while this unit stays free of the system and the rule below answers
// alone where no breaker is installed or the breaker fails. Whatever a
// breaker answers, a cluster of the rule below stays whole, a cluster never
// ends inside a UTF-8 sequence, line ends, other controls and ill-formed
// bytes stand alone, and an ASCII character starts a cluster.
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

    // Sets starts[i] (all false on entry) for each byte i of text where the
    // system starts a cluster; text is a window that starts a cluster and
    // holds at most kBreakerWindow bytes. False when the system cannot tell.
    typedef bool (*Breaker)(const char* text, size_t size, bool* starts);
    static constexpr size_t kBreakerWindow = 1024;
    // Installs breaker (null: the own rule alone) and forgets what the
    // previous one answered. Not for use while another thread steps text.
    static void SetBreaker(Breaker breaker);
    static Breaker GetBreaker();

    // Whether c attaches to the character before it (marks, variation
    // selectors, emoji modifiers, tags).
    static bool IsExtend(char32_t c);
};
