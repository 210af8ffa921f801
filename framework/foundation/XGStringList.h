#pragma once
#include <cstdint>
#include "foundation/XGHandle.h"

// Short strings (up to 255 characters), each followed by fExtraSize bytes of caller data,
// stored back to back in the handle: length byte, characters, extra bytes.
class XGStringList : public XGHandle {
public:
    // construction
    XGStringList();
    explicit XGStringList(int16_t extraSize);

    // operations
    int16_t GetNumStrings() const { return fNumStrings; }
    int16_t GetExtraSize() const { return fExtraSize; }
    // buffer must hold 256 bytes
    void GetString(int32_t index, char* buffer) const;
    void GetExtra(int32_t index, void* buffer) const;
    void SetExtra(int32_t index, const void* data);
    void DeleteAll();
    // Appends an entry; text longer than 255 characters is cut. extra supplies fExtraSize
    // bytes, or null for zero bytes.
    void AppendString(const char* text, const void* extra = nullptr);

private:
    // Offset of entry index; throws the string-list errors for a bad index or an entry
    // that runs past the end of the handle.
    uint32_t FindEntry(int32_t index) const;

    int16_t fNumStrings;
    int16_t fExtraSize;
};
