// Builds the bytes of a record as the argument stream reads them: big-endian
// fields, strings with a length byte, padded to an even size.
#pragma once

#include <string>
#include <vector>

#include "records/XGArgStream.h"

namespace testsupport {

class Record {
public:
    Record& Int(long value)
    {
        for (int shift = 24; shift >= 0; shift -= 8)
            fBytes.push_back((unsigned char)((unsigned long)value >> shift));
        return *this;
    }
    Record& Bool(bool value)
    {
        fBytes.push_back(0);
        fBytes.push_back(value ? 1 : 0);
        return *this;
    }
    Record& Str(const std::string& text)
    {
        fBytes.push_back((unsigned char)text.size());
        fBytes.insert(fBytes.end(), text.begin(), text.end());
        if (fBytes.size() % 2)
            fBytes.push_back(0);
        return *this;
    }
    XGArgStream Stream() const { return XGArgStream(fBytes.data(), long(fBytes.size())); }

private:
    std::vector<unsigned char> fBytes;
};

} // namespace testsupport
