#include "VresModel.h"

namespace vres {

Value Value::Integer(int64_t v)
{
    Value value;
    value.type = Type::Integer;
    value.number = v;
    return value;
}

Value Value::Boolean(bool v)
{
    Value value;
    value.type = Type::Boolean;
    value.number = v ? 1 : 0;
    return value;
}

Value Value::String(const std::string& v)
{
    Value value;
    value.type = Type::String;
    value.text = v;
    return value;
}

Value Value::Bytes(const std::vector<uint8_t>& v)
{
    Value value;
    value.type = Type::Bytes;
    value.bytes = v;
    return value;
}

Record& Record::Set(const std::string& name, std::initializer_list<int64_t> numbers)
{
    std::vector<Value>& values = fields[name];
    values.clear();
    for (int64_t n : numbers)
        values.push_back(Value::Integer(n));
    return *this;
}

Record& Record::SetFlags(const std::string& name, std::initializer_list<bool> flags)
{
    std::vector<Value>& values = fields[name];
    values.clear();
    for (bool f : flags)
        values.push_back(Value::Boolean(f));
    return *this;
}

Record& Record::SetText(const std::string& name, const std::string& text)
{
    fields[name] = { Value::String(text) };
    return *this;
}

Record& Record::Add(const Record& child)
{
    children.push_back(child);
    return *this;
}

std::string CodeText(uint32_t code)
{
    std::string text = "'";
    for (int shift = 24; shift >= 0; shift -= 8)
        text += static_cast<char>((code >> shift) & 0xFF);
    return text + "'";
}

} // namespace vres
