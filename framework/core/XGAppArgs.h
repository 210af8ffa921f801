#pragma once

enum {
    kXGAppArgsCharacters = 255,
    // 255 characters of UTF-8, up to four bytes each, and the terminator.
    kXGAppArgsBufferSize = 4 * kXGAppArgsCharacters + 1,
    kXGAppArgsMax = 32
};

// Splits a command line (UTF-8) into at most kXGAppArgsMax arguments inside
// buffer: white space separates arguments; one that begins with a double
// quote runs to the next double quote (or to the end of the text) without its
// quotes. A line longer than 255 characters is cut there, never inside a
// character. Returns the number of arguments; args[0..count) point into
// buffer. A null text has none.
int XGSplitAppArgs(const char* text, char (&buffer)[kXGAppArgsBufferSize], char* (&args)[kXGAppArgsMax]);

// The arguments of a whole command line (the program's own line, UTF-8): what
// follows the program's name, which is quoted or runs to the first blank, and
// the blanks after it. Never null for a non-null line.
const char* XGSkipProgramName(const char* commandLine);
