#include "VresFieldTable.h"

#include "VresModel.h"
#include "VresSchema.h"

namespace vres {

namespace {

// Field values are 32-bit and a record is at most a few kilobytes; a larger
// count is a typing mistake.
const long kMaxCount = 64;

struct Token {
    enum Kind { Word, Number, Code } kind;
    std::string text; // Word
    long value = 0;   // Number, Code
};

class Line {
public:
    Line(const std::string& text, int number) : fNumber(number)
    {
        size_t i = 0;
        while (i < text.size()) {
            unsigned char c = static_cast<unsigned char>(text[i]);
            if (c == ' ' || c == '\t' || c == '\r') {
                i++;
            } else if (c == '#') {
                break;
            } else if (c == '\'') {
                size_t close = i + 5;
                if (close >= text.size() || text[close] != '\'')
                    Fail("a class code is four characters between single quotes, like 'view'");
                long code = 0;
                for (size_t k = i + 1; k < close; k++) {
                    unsigned char b = static_cast<unsigned char>(text[k]);
                    if (b < 0x20 || b > 0x7E || b == '\'')
                        Fail("a class code holds printable ASCII characters only");
                    code = (code << 8) | b;
                }
                fTokens.push_back({ Token::Code, "", code });
                i = close + 1;
            } else if (IsLetter(c)) {
                size_t start = i;
                while (i < text.size() && (IsLetter(static_cast<unsigned char>(text[i])) || IsDigit(static_cast<unsigned char>(text[i]))))
                    i++;
                fTokens.push_back({ Token::Word, text.substr(start, i - start), 0 });
            } else if (IsDigit(c)) {
                long value = 0;
                while (i < text.size() && IsDigit(static_cast<unsigned char>(text[i]))) {
                    value = value * 10 + (text[i] - '0');
                    if (value > kMaxCount)
                        Fail("a count is 1 to " + std::to_string(kMaxCount));
                    i++;
                }
                if (i < text.size() && IsLetter(static_cast<unsigned char>(text[i])))
                    Fail("malformed number");
                fTokens.push_back({ Token::Number, "", value });
            } else {
                Fail(std::string("unexpected character ") + Printable(c));
            }
        }
    }

    bool Empty() const { return fTokens.empty(); }
    size_t Size() const { return fTokens.size(); }
    const Token& operator[](size_t i) const { return fTokens[i]; }

    [[noreturn]] void Fail(const std::string& message) const
    {
        throw Error("line " + std::to_string(fNumber) + ": " + message);
    }

private:
    static bool IsLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
    static bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }
    static std::string Printable(unsigned char c)
    {
        if (c >= 0x20 && c <= 0x7E)
            return std::string("'") + char(c) + "'";
        const char* hex = "0123456789ABCDEF";
        return std::string("0x") + hex[c >> 4] + hex[c & 15];
    }

    int fNumber;
    std::vector<Token> fTokens;
};

bool TypeNamed(const std::string& word, XGFieldType& type)
{
    if (word == "integer")
        type = kFieldInteger;
    else if (word == "boolean")
        type = kFieldBoolean;
    else if (word == "string")
        type = kFieldString;
    else
        return false;
    return true;
}

// The text form reads these words inside a record as typed values.
bool Reserved(const std::string& name)
{
    return name == "int" || name == "bool" || name == "string" || name == "bytes" || name == "raw";
}

std::string KindName(bool window)
{
    return window ? "window" : "view";
}

} // namespace

const XGSFieldList* FieldTable::Find(long code, bool window) const
{
    for (const XGSClassFields& entry : fClasses) {
        if (entry.fCode == code && XGFieldList::IsWindow(*entry.fList) == window)
            return entry.fList;
    }
    return nullptr;
}

FieldTable FieldTable::Parse(const std::string& text)
{
    FieldTable table;
    std::vector<XGSField>* fields = nullptr; // of the class being declared
    const XGSFieldList* base = nullptr;
    long code = 0;
    auto finish = [&]() {
        if (!fields)
            return;
        table.fLists.push_back({ base, fields->data(), int(fields->size()) });
        table.fClasses.push_back({ code, &table.fLists.back() });
        fields = nullptr;
    };

    int number = 0;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        Line line(text.substr(start, end - start), ++number);
        start = end + 1;
        if (line.Empty())
            continue;
        if (line[0].kind != Token::Word)
            line.Fail("a line starts with view, window or a field type (integer, boolean, string)");
        const std::string& word = line[0].text;
        XGFieldType type;
        if (word == "view" || word == "window") {
            finish();
            bool window = word == "window";
            if (line.Size() < 2 || line[1].kind != Token::Code)
                line.Fail("expected a class code after " + word + ", like " + word + " 'abcd'");
            code = line[1].value;
            std::string name = CodeText(uint32_t(code));
            if (ListOf(uint32_t(code), window) || table.Find(code, window))
                line.Fail(name + " is already a " + KindName(window) + " class; each code is declared once");
            long baseCode = window ? 'wind' : 'view';
            if (line.Size() > 2) {
                if (line.Size() != 4 || line[2].kind != Token::Word || line[2].text != "extends" || line[3].kind != Token::Code)
                    line.Fail("expected " + word + " 'code' or " + word + " 'code' extends 'base'");
                baseCode = line[3].value;
            }
            base = table.Find(baseCode, window);
            if (!base)
                base = ListOf(uint32_t(baseCode), window);
            if (!base)
                line.Fail("no " + KindName(window) + " class " + CodeText(uint32_t(baseCode)) + " to extend; a base is a framework class or one declared above");
            table.fFields.emplace_back();
            fields = &table.fFields.back();
        } else if (TypeNamed(word, type)) {
            if (!fields)
                line.Fail("a field belongs to the view or window line above it, and there is none");
            if (line.Size() < 2 || line[1].kind != Token::Word)
                line.Fail("expected a field name after " + word);
            if (line.Size() > 3 || (line.Size() == 3 && line[2].kind != Token::Number))
                line.Fail("expected " + word + " name [count]");
            const std::string& name = line[1].text;
            if (Reserved(name))
                line.Fail("\"" + name + "\" is a word of the text form (int, bool, string, bytes, raw); choose another name");
            long count = line.Size() == 3 ? line[2].value : 1;
            if (count < 1)
                line.Fail("a count is 1 to " + std::to_string(kMaxCount));
            for (const XGSField& field : *fields) {
                if (name == field.fName)
                    line.Fail("field \"" + name + "\" declared twice");
            }
            for (int i = 0; i < XGFieldList::Size(*base); i++) {
                if (name == XGFieldList::At(*base, i).fName)
                    line.Fail("field \"" + name + "\" is already in the base class");
            }
            table.fNames.push_back(name);
            fields->push_back({ table.fNames.back().c_str(), type, int(count) });
        } else {
            line.Fail("unknown word \"" + word + "\": a line starts with view, window, integer, boolean or string");
        }
    }
    finish();
    table.fCatalogue = { table.fClasses.data(), int(table.fClasses.size()) };
    return table;
}

} // namespace vres
