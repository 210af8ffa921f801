// The in-memory form of a VRES tree, shared by the compiler, the dump command
// and the tests that build records in code.
#pragma once

#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace vres {

enum class Type { Integer, Boolean, String, Bytes };

struct Value {
    Type type = Type::Integer;
    int64_t number = 0;            // Integer; Boolean as 0 or 1
    std::string text;              // String
    std::vector<uint8_t> bytes;    // Bytes: written as they are

    static Value Integer(int64_t v);
    static Value Boolean(bool v);
    static Value String(const std::string& v);
    static Value Bytes(const std::vector<uint8_t>& v);
};

struct Record {
    uint32_t code = 0;
    // The top record of a window tree reads the window fields; every record
    // below it, and the top of a view tree, reads the view fields.
    bool window = false;
    // Raw records carry no named fields: only their extra values.
    bool raw = false;
    // Named fields of the class; missing ones are written as 0, false or "".
    std::map<std::string, std::vector<Value>> fields;
    // Written after the named fields, in order: fields of classes the
    // schema does not know, or bytes a record carries beyond its fields.
    std::vector<Value> extra;
    std::vector<Record> children;

    Record() = default;
    Record(uint32_t code, bool window) : code(code), window(window) {}

    // Chainable setters for records built in code; the name is checked
    // against the class's fields when the tree is encoded.
    Record& Set(const std::string& name, std::initializer_list<int64_t> numbers);
    Record& SetFlags(const std::string& name, std::initializer_list<bool> flags);
    Record& SetText(const std::string& name, const std::string& text);
    Record& Add(const Record& child);
};

class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::string CodeText(uint32_t code); // 'dlog'

} // namespace vres
