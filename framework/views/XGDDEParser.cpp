#include "XGDDEParser.h"

#include <cstring>

namespace {

size_t BoundedLength(const char* text, size_t size)
{
    if (!text)
        return 0;
    const void* nul = std::memchr(text, 0, size);
    return nul ? static_cast<size_t>(static_cast<const char*>(nul) - text) : size;
}

// Appends c when there is room left for it and the terminator.
void Append(char* buffer, size_t capacity, size_t& length, char c)
{
    if (length + 1 < capacity)
        buffer[length++] = c;
}

bool EndsArgument(char c) { return c == ',' || c == ')' || c == ']'; }

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

} // namespace

bool XGDDEParser::EqualNoCase(const char* a, const char* b)
{
    for (;; ++a, ++b) {
        if (Upper(*a) != Upper(*b))
            return false;
        if (*a == 0)
            return true;
    }
}

size_t XGDDEParser::ParseDDECommand(const char* text, size_t end, size_t pos, XGDDECommand& command)
{
    command.name[0] = 0;
    command.argCount = 0;

    size_t length = 0;
    while (pos < end && text[pos] != ']' && text[pos] != '(')
        Append(command.name, sizeof command.name, length, text[pos++]);
    command.name[length] = 0;

    if (pos >= end || text[pos] != '(')
        return pos;
    ++pos;
    // "()" is a list without arguments; after that every "," opens one more.
    if (pos < end && (text[pos] == ')' || text[pos] == ']'))
        return pos;

    for (;;) {
        char scratch[XGDDECommand::kArgSize];
        bool keep = command.argCount < XGDDECommand::kMaxArgs;
        char* arg = keep ? command.args[command.argCount] : scratch;
        size_t argLength = 0;

        if (pos < end && text[pos] == '"') {
            ++pos;
            while (pos < end) {
                if (text[pos] == '"') {
                    if (pos + 1 < end && text[pos + 1] == '"') {
                        Append(arg, XGDDECommand::kArgSize, argLength, '"');
                        pos += 2;
                        continue;
                    }
                    ++pos;
                    break;
                }
                Append(arg, XGDDECommand::kArgSize, argLength, text[pos++]);
            }
            while (pos < end && !EndsArgument(text[pos]))
                ++pos;
        } else {
            while (pos < end && !EndsArgument(text[pos]))
                Append(arg, XGDDECommand::kArgSize, argLength, text[pos++]);
        }
        arg[argLength] = 0;
        if (keep)
            ++command.argCount;

        if (pos < end && text[pos] == ',') {
            ++pos;
            continue;
        }
        return pos;
    }
}

void XGDDEParser::ParseDDEExecute(const char* text, size_t size, CommandProc proc, void* context)
{
    const size_t end = BoundedLength(text, size);
    XGDDECommand command;
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
        pos = ParseDDECommand(text, end, pos, command);
        if (command.name[0] && proc)
            proc(command, context);
    }
}
