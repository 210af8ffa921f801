// Writes VRES records: the three primitives and the record framing.
#pragma once

#include <cstdint>
#include <vector>

#include "VresModel.h"

namespace vres {

// The primitives, big-endian; a String is padded to an even size.
class Writer {
public:
    void Integer(int64_t value); // -2^31 .. 2^32-1
    void Boolean(bool value);    // FF FF or 00 00
    void String(const std::string& text); // at most 255 bytes
    void Bytes(const std::vector<uint8_t>& bytes);
    void Write(const Value& value);

    const std::vector<uint8_t>& Data() const { return fData; }

private:
    std::vector<uint8_t> fData;
};

// The argument bytes of one record after its class code: its named fields in
// the class's stream order, then its extra values.
std::vector<uint8_t> EncodeArguments(const Record& record);

// The whole tree in pre-order: each first child right behind its parent's
// arguments, each sibling right behind the previous sibling's subtree.
std::vector<uint8_t> Encode(const Record& top);

} // namespace vres
