#pragma once
#include <cstddef>
#include <cstdint>

// One command of a DDE execute string: "[name(arg1,arg2,...)]".
// The buffers are fixed: the text comes from another process and nothing in it
// may decide how much we copy.
struct XGDDECommand {
    // An argument holds a full path: up to 259 characters, each up to four
    // bytes of UTF-8. The name is ASCII and counted in bytes.
    enum { kNameSize = 256, kArgChars = 259, kArgSize = 4 * kArgChars + 1, kMaxArgs = 20 };
    char name[kNameSize];           // at most 255 bytes, NUL-terminated
    int32_t argCount;               // 0..kMaxArgs
    char args[kMaxArgs][kArgSize];  // each at most kArgChars characters of UTF-8
};

// Byte-level parser of WM_DDE_EXECUTE strings in UTF-8; the Windows side
// reads the system's string into UTF-8 and turns the commands into messages
// (XGDDEServer).
class XGDDEParser {
public:
    // Called once per command with a non-empty name, in string order.
    typedef void (*CommandProc)(const XGDDECommand& command, void* context);

    // Runs every "[...]" command of text. The text ends at its first NUL or
    // after size bytes, whichever comes first. A string with a command that
    // does not parse, or whose name or an argument does not fit its buffer,
    // runs none of its commands and gives false: a cut or half-read path
    // must never be acted on.
    static bool ParseDDEExecute(const char* text, size_t size, CommandProc proc, void* context);

    // Reads one command starting just after its "[" at text[pos] and moves
    // pos to where scanning for the next "[" resumes (the command's "]", or
    // the end). False when the command is not whole ("]" missing, an argument
    // list without ")", a quote without its closing quote), when anything but
    // blanks follows a closing quote before the next ",", ")" or "]", when an
    // unquoted argument holds "[", "(" or a quote, or when it does not fit.
    static bool ParseDDECommand(const char* text, size_t end, size_t& pos, XGDDECommand& command);

    // Whether an execute block holds UTF-16 rather than bytes: every command
    // starts with an ASCII character, whose UTF-16 form has a zero high byte.
    static bool IsUtf16Block(const char* block, size_t size);

    // ASCII letters compared without case; everything else byte for byte.
    static bool EqualNoCase(const char* a, const char* b);
};
