#include "VresText.h"

#include <cctype>
#include <cstdio>

#include "VresSchema.h"

namespace vres {

namespace {

enum class Token { End, Word, Number, String, Code, Open, Close };

class Lexer {
public:
    explicit Lexer(const std::string& text) : fText(text) { Next(); }

    Token kind = Token::End;
    std::string word;   // Word, String
    int64_t number = 0; // Number, Code
    int line = 1;

    [[noreturn]] void Fail(const std::string& message) const
    {
        throw Error("line " + std::to_string(fTokenLine) + ": " + message);
    }

    void Next()
    {
        SkipSpace();
        fTokenLine = line;
        word.clear();
        if (fPos >= fText.size()) {
            kind = Token::End;
            return;
        }
        char c = fText[fPos];
        if (c == '{' || c == '}') {
            kind = c == '{' ? Token::Open : Token::Close;
            fPos++;
        } else if (c == '"') {
            kind = Token::String;
            ReadString();
        } else if (c == '\'') {
            kind = Token::Code;
            ReadCode();
        } else if (c == '-' || std::isdigit(static_cast<unsigned char>(c))) {
            kind = Token::Number;
            ReadNumber();
        } else if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') {
            kind = Token::Word;
            while (fPos < fText.size() && (std::isalnum(static_cast<unsigned char>(fText[fPos])) || fText[fPos] == '_'))
                word += fText[fPos++];
        } else {
            Fail(std::string("unexpected character '") + c + "'");
        }
    }

    std::string Describe() const
    {
        switch (kind) {
        case Token::End:
            return "the end of the text";
        case Token::Word:
            return "\"" + word + "\"";
        case Token::Number:
            return "the number " + std::to_string(number);
        case Token::String:
            return "a string";
        case Token::Code:
            return "a class code";
        case Token::Open:
            return "'{'";
        case Token::Close:
            return "'}'";
        }
        return "?";
    }

    // The rest of the line after "bytes": pairs of hex digits.
    std::vector<uint8_t> HexLine()
    {
        std::vector<uint8_t> bytes;
        for (;;) {
            while (fPos < fText.size() && (fText[fPos] == ' ' || fText[fPos] == '\t' || fText[fPos] == '\r'))
                fPos++;
            if (fPos >= fText.size() || fText[fPos] == '\n' || fText[fPos] == '#')
                break;
            int high = HexDigit(fText[fPos]);
            int low = fPos + 1 < fText.size() ? HexDigit(fText[fPos + 1]) : -1;
            bool separated = fPos + 2 >= fText.size() || std::isspace(static_cast<unsigned char>(fText[fPos + 2])) || fText[fPos + 2] == '#';
            if (high < 0 || low < 0 || !separated)
                Fail("bytes are written as two hex digits each, like 0A FF 00");
            bytes.push_back(static_cast<uint8_t>(high * 16 + low));
            fPos += 2;
        }
        if (bytes.empty())
            Fail("expected hex bytes on the line after \"bytes\"");
        return bytes;
    }

private:
    void SkipSpace()
    {
        while (fPos < fText.size()) {
            char c = fText[fPos];
            if (c == '\n') {
                line++;
                fPos++;
            } else if (std::isspace(static_cast<unsigned char>(c))) {
                fPos++;
            } else if (c == '#') {
                while (fPos < fText.size() && fText[fPos] != '\n')
                    fPos++;
            } else {
                break;
            }
        }
    }

    int HexDigit(char c) const
    {
        if (c >= '0' && c <= '9')
            return c - '0';
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        return -1;
    }

    void ReadString()
    {
        fPos++;
        for (;;) {
            if (fPos >= fText.size() || fText[fPos] == '\n')
                Fail("string without closing quote");
            char c = fText[fPos++];
            if (c == '"')
                return;
            if (c != '\\') {
                word += c;
                continue;
            }
            if (fPos >= fText.size())
                Fail("string without closing quote");
            char e = fText[fPos++];
            if (e == '"' || e == '\\') {
                word += e;
            } else if (e == 'n') {
                word += '\n';
            } else if (e == 'r') {
                word += '\r';
            } else if (e == 't') {
                word += '\t';
            } else if (e == 'x' && fPos + 1 < fText.size() && HexDigit(fText[fPos]) >= 0 && HexDigit(fText[fPos + 1]) >= 0) {
                word += static_cast<char>(HexDigit(fText[fPos]) * 16 + HexDigit(fText[fPos + 1]));
                fPos += 2;
            } else {
                Fail(std::string("unknown escape \\") + e + " in string (use \\\" \\\\ \\n \\r \\t or \\xNN)");
            }
        }
    }

    void ReadCode()
    {
        size_t close = fText.find('\'', fPos + 1);
        if (close == std::string::npos || close - fPos - 1 != 4)
            Fail("a class code is four characters between single quotes, like 'view'");
        number = 0;
        for (size_t i = fPos + 1; i < close; i++)
            number = (number << 8) | static_cast<unsigned char>(fText[i]);
        fPos = close + 1;
    }

    void ReadNumber()
    {
        size_t start = fPos;
        bool negative = fText[fPos] == '-';
        if (negative)
            fPos++;
        int base = 10;
        if (fPos + 1 < fText.size() && fText[fPos] == '0' && (fText[fPos + 1] == 'x' || fText[fPos + 1] == 'X')) {
            base = 16;
            fPos += 2;
        }
        int64_t value = 0;
        size_t digits = 0;
        while (fPos < fText.size()) {
            int d = HexDigit(fText[fPos]);
            if (d < 0 || d >= base)
                break;
            value = value * base + d;
            if (value > (int64_t(1) << 40))
                Fail("number too large: " + fText.substr(start, fPos - start + 1));
            fPos++;
            digits++;
        }
        if (digits == 0 || (fPos < fText.size() && (std::isalnum(static_cast<unsigned char>(fText[fPos])) || fText[fPos] == '_')))
            Fail("malformed number");
        number = negative ? -value : value;
    }

    const std::string& fText;
    size_t fPos = 0;
    int fTokenLine = 1;
};

class Parser {
public:
    explicit Parser(const std::string& text) : fLex(text) {}

    Record Tree()
    {
        bool window = true;
        if (fLex.kind == Token::Word && (fLex.word == "view" || fLex.word == "window")) {
            window = fLex.word == "window";
            fLex.Next();
        }
        if (fLex.kind != Token::Code)
            fLex.Fail("expected the top record's class code, like 'dlog', not " + fLex.Describe());
        Record top = Block(window);
        if (fLex.kind != Token::End)
            fLex.Fail("a file holds one tree; found " + fLex.Describe() + " after it");
        return top;
    }

private:
    Record Block(bool window)
    {
        Record record(static_cast<uint32_t>(fLex.number), window);
        fLex.Next();
        if (fLex.kind != Token::Open)
            fLex.Fail("expected '{' after " + CodeText(record.code));
        fLex.Next();
        std::vector<FieldDef> defs = FieldsOf(record.code, window);
        for (;;) {
            if (fLex.kind == Token::Close) {
                fLex.Next();
                return record;
            }
            if (fLex.kind == Token::Code) {
                record.children.push_back(Block(false));
                continue;
            }
            if (fLex.kind != Token::Word)
                fLex.Fail("expected a field name, a child record or '}', not " + fLex.Describe());
            std::string name = fLex.word;
            if (name == "bytes") {
                record.extra.push_back(Value::Bytes(fLex.HexLine()));
                fLex.Next();
                continue;
            }
            fLex.Next();
            if (name == "raw") {
                if (!record.fields.empty())
                    fLex.Fail("\"raw\" comes before any named field");
                record.raw = true;
            } else if (name == "int") {
                record.extra.push_back(Value::Integer(Number()));
            } else if (name == "bool") {
                record.extra.push_back(Value::Boolean(Flag()));
            } else if (name == "string") {
                record.extra.push_back(Value::String(Text()));
            } else {
                const FieldDef* field = nullptr;
                for (const FieldDef& s : defs) {
                    if (name == s.name)
                        field = &s;
                }
                if (field == nullptr) {
                    std::string list;
                    for (const FieldDef& s : defs)
                        list += std::string(list.empty() ? "" : ", ") + s.name;
                    fLex.Fail("no field \"" + name + "\" in " + CodeText(record.code) + " (fields: " + list + "; extra values: int, bool, string, bytes)");
                }
                if (record.raw)
                    fLex.Fail("a raw record has no named fields");
                if (record.fields.count(name))
                    fLex.Fail("field \"" + name + "\" given twice");
                std::vector<Value>& values = record.fields[name];
                for (int i = 0; i < field->count; i++) {
                    if (field->type == Type::Integer)
                        values.push_back(Value::Integer(Number()));
                    else if (field->type == Type::Boolean)
                        values.push_back(Value::Boolean(Flag()));
                    else
                        values.push_back(Value::String(Text()));
                }
            }
        }
    }

    int64_t Number()
    {
        if (fLex.kind != Token::Number && fLex.kind != Token::Code)
            fLex.Fail("expected a number, not " + fLex.Describe());
        int64_t value = fLex.number;
        if (value < INT32_MIN || value > int64_t(UINT32_MAX))
            fLex.Fail("the number " + std::to_string(value) + " does not fit in 32 bits");
        fLex.Next();
        return value;
    }

    bool Flag()
    {
        if (fLex.kind != Token::Word || (fLex.word != "true" && fLex.word != "false"))
            fLex.Fail("expected true or false, not " + fLex.Describe());
        bool value = fLex.word == "true";
        fLex.Next();
        return value;
    }

    std::string Text()
    {
        if (fLex.kind != Token::String)
            fLex.Fail("expected a string in double quotes, not " + fLex.Describe());
        std::string value = fLex.word;
        if (value.size() > 255)
            fLex.Fail("a string holds at most 255 bytes");
        fLex.Next();
        return value;
    }

    Lexer fLex;
};

std::string Quote(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) {
        unsigned char u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (u < 0x20 || u >= 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", u);
            out += hex;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string ValueText(const Value& value)
{
    switch (value.type) {
    case Type::Integer:
        return std::to_string(value.number);
    case Type::Boolean:
        return value.number ? "true" : "false";
    case Type::String:
        return Quote(value.text);
    case Type::Bytes:
        break;
    }
    return "";
}

// Codes print as text only when they read back as the same four bytes.
bool Printable(uint32_t code)
{
    for (int shift = 24; shift >= 0; shift -= 8) {
        unsigned char c = static_cast<unsigned char>(code >> shift);
        if (c < 0x20 || c >= 0x7F || c == '\'')
            return false;
    }
    return true;
}

void PrintRecord(const Record& record, int depth, std::string& out)
{
    std::string indent(depth * 4, ' ');
    std::string inner = indent + "    ";
    if (!Printable(record.code))
        throw Error("class code " + std::to_string(record.code) + " cannot be written as four characters");
    out += indent + CodeText(record.code) + " {\n";
    if (record.raw)
        out += inner + "raw\n";
    for (const FieldDef& field : FieldsOf(record.code, record.window)) {
        auto found = record.fields.find(field.name);
        if (found == record.fields.end())
            continue;
        out += inner + field.name;
        for (const Value& value : found->second)
            out += " " + ValueText(value);
        out += "\n";
    }
    for (const Value& value : record.extra) {
        if (value.type != Type::Bytes) {
            static const char* names[] = { "int", "bool", "string" };
            out += inner + names[static_cast<int>(value.type)] + " " + ValueText(value) + "\n";
            continue;
        }
        for (size_t i = 0; i < value.bytes.size(); i += 16) {
            out += inner + "bytes";
            for (size_t j = i; j < value.bytes.size() && j < i + 16; j++) {
                char hex[4];
                std::snprintf(hex, sizeof hex, " %02X", value.bytes[j]);
                out += hex;
            }
            out += "\n";
        }
    }
    bool separate = record.raw || !record.fields.empty() || !record.extra.empty();
    for (const Record& child : record.children) {
        if (separate)
            out += "\n";
        separate = false;
        PrintRecord(child, depth + 1, out);
    }
    out += indent + "}\n";
}

} // namespace

Record Parse(const std::string& text)
{
    return Parser(text).Tree();
}

std::string Print(const Record& top)
{
    std::string out = top.window ? "" : "view ";
    std::string body;
    PrintRecord(top, 0, body);
    return out + body;
}

} // namespace vres
