// Reads one class's own fields from a record through the class's field list,
// so that a constructor cannot drift from the order the compiler writes: each
// read names its field, and a name, type or count that is not the list's next
// fails the consistency check. Short records still read as 0, false and "".
#pragma once

#include "records/XGArgStream.h"
#include "records/XGFieldList.h"

class XGFieldReader {
public:
    // The stream stands where the list's own fields begin.
    XGFieldReader(XGArgStream& stream, const XGSFieldList& list);

    // The class code in front of the common fields; only before any field.
    long ReadCode();
    long ReadInteger(const char* name);
    bool ReadBoolean(const char* name);
    // out must hold 256 bytes.
    void ReadString(const char* name, char* out);
    // Checks that every field of the list has been read.
    void End() const;

private:
    void Take(const char* name, XGFieldType type);

    XGArgStream& fStream;
    const XGSFieldList& fList;
    int fField; // next field of the list
    int fValue; // next value within it
};
