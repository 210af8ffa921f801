#include "VresEncoder.h"

#include <set>

#include "VresSchema.h"

namespace vres {

namespace {

void PutBig(std::vector<uint8_t>& out, uint32_t value)
{
    out.push_back(static_cast<uint8_t>(value >> 24));
    out.push_back(static_cast<uint8_t>(value >> 16));
    out.push_back(static_cast<uint8_t>(value >> 8));
    out.push_back(static_cast<uint8_t>(value));
}

const char* TypeName(Type type)
{
    switch (type) {
    case Type::Integer:
        return "an Integer";
    case Type::Boolean:
        return "a Boolean";
    case Type::String:
        return "a String";
    case Type::Bytes:
        return "bytes";
    }
    return "?";
}

void EncodeSubtree(const Record& record, bool hasNext, std::vector<uint8_t>& out)
{
    std::vector<uint8_t> arguments = EncodeArguments(record);
    size_t start = out.size();
    uint32_t extent = static_cast<uint32_t>(16 + arguments.size());
    PutBig(out, 0); // next sibling, known once the subtree is written
    PutBig(out, record.children.empty() ? 0 : extent);
    PutBig(out, static_cast<uint32_t>(arguments.size()));
    PutBig(out, record.code);
    out.insert(out.end(), arguments.begin(), arguments.end());
    for (size_t i = 0; i < record.children.size(); i++)
        EncodeSubtree(record.children[i], i + 1 < record.children.size(), out);
    if (hasNext) {
        uint32_t size = static_cast<uint32_t>(out.size() - start);
        for (int i = 0; i < 4; i++)
            out[start + i] = static_cast<uint8_t>(size >> (24 - 8 * i));
    }
}

} // namespace

void Writer::Integer(int64_t value)
{
    if (value < INT32_MIN || value > int64_t(UINT32_MAX))
        throw Error("the Integer " + std::to_string(value) + " does not fit in 32 bits");
    PutBig(fData, static_cast<uint32_t>(value));
}

void Writer::Boolean(bool value)
{
    uint8_t b = value ? 0xFF : 0x00;
    fData.push_back(b);
    fData.push_back(b);
}

void Writer::String(const std::string& text)
{
    if (text.size() > 255)
        throw Error("a String holds at most 255 bytes, not " + std::to_string(text.size()));
    fData.push_back(static_cast<uint8_t>(text.size()));
    fData.insert(fData.end(), text.begin(), text.end());
    if (text.size() % 2 == 0)
        fData.push_back(0);
}

void Writer::Bytes(const std::vector<uint8_t>& bytes)
{
    fData.insert(fData.end(), bytes.begin(), bytes.end());
}

void Writer::Write(const Value& value)
{
    switch (value.type) {
    case Type::Integer:
        Integer(value.number);
        break;
    case Type::Boolean:
        Boolean(value.number != 0);
        break;
    case Type::String:
        String(value.text);
        break;
    case Type::Bytes:
        Bytes(value.bytes);
        break;
    }
}

std::vector<uint8_t> EncodeArguments(const Record& record)
{
    Writer writer;
    std::string where = "record " + CodeText(record.code) + ": ";
    if (record.raw && !record.fields.empty())
        throw Error(where + "a raw record has no named fields");
    if (!record.raw) {
        std::vector<FieldDef> defs = FieldsOf(record.code, record.window);
        std::set<std::string> known;
        for (const FieldDef& field : defs) {
            known.insert(field.name);
            auto found = record.fields.find(field.name);
            for (int i = 0; i < field.count; i++) {
                if (found == record.fields.end()) {
                    writer.Write(field.type == Type::String ? Value::String("") : field.type == Type::Boolean ? Value::Boolean(false) : Value::Integer(0));
                    continue;
                }
                const std::vector<Value>& values = found->second;
                if (values.size() != size_t(field.count))
                    throw Error(where + "field \"" + field.name + "\" takes " + std::to_string(field.count) + " value(s), not " + std::to_string(values.size()));
                if (values[i].type != field.type)
                    throw Error(where + "field \"" + field.name + "\" takes " + TypeName(field.type) + ", not " + TypeName(values[i].type));
                try {
                    writer.Write(values[i]);
                } catch (const Error& e) {
                    throw Error(where + "field \"" + field.name + "\": " + e.what());
                }
            }
        }
        for (const auto& field : record.fields) {
            if (known.count(field.first) == 0) {
                std::string list;
                for (const FieldDef& def : defs)
                    list += std::string(list.empty() ? "" : ", ") + def.name;
                throw Error(where + "no field \"" + field.first + "\" (fields: " + list + ")");
            }
        }
    }
    for (const Value& value : record.extra) {
        try {
            writer.Write(value);
        } catch (const Error& e) {
            throw Error(where + e.what());
        }
    }
    return writer.Data();
}

std::vector<uint8_t> Encode(const Record& top)
{
    std::vector<uint8_t> out;
    EncodeSubtree(top, false, out);
    return out;
}

} // namespace vres
