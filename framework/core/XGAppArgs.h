#pragma once

enum {
    kXGAppArgsBufferSize = 256,     // 255 characters and the terminator
    kXGAppArgsMax = 32
};

// Splits a command line into at most kXGAppArgsMax arguments inside buffer:
// white space separates arguments; one that begins with a double quote runs
// to the next double quote (or to the end of the text) without its quotes.
// A line longer than 255 characters is cut there. Returns the number of
// arguments; args[0..count) point into buffer. A null text has none.
int XGSplitAppArgs(const char* text, char (&buffer)[kXGAppArgsBufferSize], char* (&args)[kXGAppArgsMax]);
