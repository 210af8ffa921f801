#include "views/XGDDEParser.h"

#include <cstring>

#include "foundation/XGUtf8.h"

namespace {

size_t BoundedLength(const char* text, size_t size)
{
    if (!text)
        return 0;
    const void* nul = std::memchr(text, 0, size);
    return nul ? static_cast<size_t>(static_cast<const char*>(nul) - text) : size;
}

// Appends c when there is room left for it and the terminator; false when
// there is not.
bool Append(char* buffer, size_t capacity, size_t& length, char c)
{
    if (length + 1 >= capacity)
        return false;
    buffer[length++] = c;
    return true;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool EndsArgument(char c) { return c == ',' || c == ')' || c == ']'; }

// Inside an unquoted argument these can only be a misplaced command or a
// quote that went wrong: no path that needs them can be passed unquoted.
bool BreaksUnquoted(char c) { return c == '[' || c == '(' || c == '"'; }

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

} // namespace

bool XGDDEParser::IsUtf16Block(const char* block, size_t size)
{
    return block && size >= 2 && block[0] != 0 && block[1] == 0;
}

bool XGDDEParser::EqualNoCase(const char* a, const char* b)
{
    for (;; ++a, ++b) {
        if (Upper(*a) != Upper(*b))
            return false;
        if (*a == 0)
            return true;
    }
}

bool XGDDEParser::ParseDDECommand(const char* text, size_t end, size_t& pos, XGDDECommand& command)
{
    command.name[0] = 0;
    command.argCount = 0;

    size_t length = 0;
    bool fits = true;
    while (pos < end && text[pos] != ']' && text[pos] != '(')
        fits = Append(command.name, sizeof command.name, length, text[pos++]) && fits;
    command.name[length] = 0;
    if (pos >= end)
        return false;
    if (text[pos] == ']')
        return fits;

    ++pos;
    // "()" is a list without arguments; after that every "," opens one more.
    const bool empty = pos < end && text[pos] == ')';
    while (!empty) {
        char scratch[XGDDECommand::kArgSize];
        bool keep = command.argCount < XGDDECommand::kMaxArgs;
        char* arg = keep ? command.args[command.argCount] : scratch;
        size_t argLength = 0;

        if (pos < end && text[pos] == '"') {
            ++pos;
            bool closed = false;
            while (pos < end && !closed) {
                if (text[pos] == '"' && !(pos + 1 < end && text[pos + 1] == '"')) {
                    closed = true;
                } else {
                    fits = Append(arg, XGDDECommand::kArgSize, argLength, text[pos]) && fits;
                    pos += text[pos] == '"' ? 2 : 1;
                }
            }
            if (!closed)
                return false;
            ++pos;
            // Text after the closing quote means the quoting is not what the
            // sender meant: acting on the part before it would open another file.
            while (pos < end && IsBlank(text[pos]))
                ++pos;
            if (pos < end && !EndsArgument(text[pos]))
                return false;
        } else {
            while (pos < end && !EndsArgument(text[pos])) {
                if (BreaksUnquoted(text[pos]))
                    return false;
                fits = Append(arg, XGDDECommand::kArgSize, argLength, text[pos++]) && fits;
            }
        }
        arg[argLength] = 0;
        if (XGUtf8::CountCharacters(arg, argLength) > size_t(XGDDECommand::kArgChars))
            fits = false;
        if (keep)
            ++command.argCount;

        if (pos >= end || text[pos] == ']')
            return false;
        if (text[pos] == ')')
            break;
        ++pos;  // past the ","
    }
    ++pos;  // past the ")"
    while (pos < end && IsBlank(text[pos]))
        ++pos;
    return pos < end && text[pos] == ']' && fits;
}

bool XGDDEParser::ParseDDEExecute(const char* text, size_t size, CommandProc proc, void* context)
{
    const size_t end = BoundedLength(text, size);
    XGDDECommand command;
    // The first pass only checks, so that nothing runs from a string that
    // turns out to be broken further on.
    for (int pass = 0; pass < 2; ++pass) {
        size_t pos = 0;
        while (pos < end) {
            char c = text[pos];
            if (c == '"') {
                ++pos;
                while (pos < end && text[pos] != '"')
                    ++pos;
                if (pos < end)
                    ++pos;
                continue;
            }
            ++pos;
            if (c != '[')
                continue;
            if (!ParseDDECommand(text, end, pos, command))
                return false;
            if (pass == 1 && command.name[0] && proc)
                proc(command, context);
        }
    }
    return true;
}
