#pragma once
#include <cstdint>

// An owned, null-terminated string; the buffer grows and shrinks in steps of 64 bytes.
class XGString {
public:
    // construction
    XGString();
    virtual ~XGString();
    XGString(const XGString&) = delete;
    XGString& operator=(const XGString&) = delete;

    // Copies the text in; null empties the string.
    XGString& operator=(const char* text);
    // Never null: an empty string when there is no buffer.
    const char* Get() const { return fString ? fString : ""; }
    int16_t GetAlloc() const { return fStrAlloc; }

private:
    int16_t fStrAlloc;
    char* fString;
};
