#include "VresDecoder.h"

#include "VresEncoder.h"
#include "VresSchema.h"
#include "records/XGArgStream.h"
#include "records/XGRecordWalker.h"

namespace vres {

namespace {

Record DecodeRecord(const uint8_t* record, bool window)
{
    XGSRecordHeader header = XGRecordWalker::ReadHeader(record);
    const uint8_t* arguments = record + 16;
    std::vector<uint8_t> original(arguments, arguments + header.fLength);

    Record result(static_cast<uint32_t>(header.fCode), window);
    XGArgStream stream(arguments, header.fLength);
    for (const FieldDef& field : FieldsOf(result.code, window)) {
        std::vector<Value>& values = result.fields[field.name];
        for (int i = 0; i < field.count; i++) {
            if (field.type == Type::Integer) {
                // Stored as 32 bits; the signed reading is the one people write.
                values.push_back(Value::Integer(stream.ReadInteger()));
            } else if (field.type == Type::Boolean) {
                values.push_back(Value::Boolean(stream.ReadBoolean()));
            } else {
                char text[256];
                stream.ReadString(text);
                values.push_back(Value::String(text));
            }
        }
    }
    if (stream.GetLength() > 0)
        result.extra.push_back(Value::Bytes(std::vector<uint8_t>(stream.GetData(), stream.GetData() + stream.GetLength())));
    if (EncodeArguments(result) != original) {
        result.fields.clear();
        result.extra.clear();
        result.raw = true;
        if (!original.empty())
            result.extra.push_back(Value::Bytes(original));
    }

    if (header.fChild != 0) {
        const uint8_t* child = record + header.fChild;
        for (;;) {
            result.children.push_back(DecodeRecord(child, false));
            int32_t next = XGRecordWalker::ReadHeader(child).fNext;
            if (next == 0)
                break;
            child += next;
        }
    }
    return result;
}

} // namespace

Record Decode(const std::vector<uint8_t>& data, bool window)
{
    XGSRecordCheck check = XGRecordWalker::CheckTree(data.data(), static_cast<long>(data.size()));
    if (check.fFault != kRecordSound)
        throw Error(std::string("damaged VRES tree: ") + XGRecordWalker::DescribeFault(check.fFault) + ", record at offset " + std::to_string(check.fOffset));
    return DecodeRecord(data.data(), window);
}

} // namespace vres
