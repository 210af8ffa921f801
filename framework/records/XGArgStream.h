// Reads the fields of one VRES record: Integers (4 bytes), Booleans (2 bytes)
// and Strings (length byte, text, pad to an even size), all big-endian.
// Reading past the end never fails: constructors of every class read their
// fields unconditionally, so a short record yields 0, false and "".
#pragma once

class XGArgStream {
public:
    // construction
    XGArgStream(const unsigned char* data, long length);

    // reading
    long ReadInteger();
    bool ReadBoolean();
    // out must hold 256 bytes; it always ends up NUL-terminated.
    void ReadString(char* out);

    long GetLength() const { return fLength; }
    const unsigned char* GetData() const { return fData; }

private:
    long fLength;
    const unsigned char* fData;
};
