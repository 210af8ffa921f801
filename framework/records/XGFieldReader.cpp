#include "records/XGFieldReader.h"

#include <cstring>

#include "foundation/XGAssert.h"

XGFieldReader::XGFieldReader(XGArgStream& stream, const XGSFieldList& list)
    : fStream(stream), fList(list), fField(0), fValue(0)
{
}

long XGFieldReader::ReadCode()
{
    bool atStart = fField == 0 && fValue == 0 && fList.fBase == nullptr;
    XG_ASSERT(atStart, "XGFieldReader", 15);
    return fStream.ReadInteger();
}

long XGFieldReader::ReadInteger(const char* name)
{
    Take(name, kFieldInteger);
    return fStream.ReadInteger();
}

bool XGFieldReader::ReadBoolean(const char* name)
{
    Take(name, kFieldBoolean);
    return fStream.ReadBoolean();
}

void XGFieldReader::ReadString(const char* name, char* out)
{
    Take(name, kFieldString);
    fStream.ReadString(out);
}

void XGFieldReader::End() const
{
    bool allRead = fField == fList.fCount;
    XG_ASSERT(allRead, "XGFieldReader", 40);
}

void XGFieldReader::Take(const char* name, XGFieldType type)
{
    bool listed = fField < fList.fCount;
    XG_ASSERT(listed, "XGFieldReader", 46);
    const XGSField& field = fList.fFields[fField];
    bool inOrder = std::strcmp(field.fName, name) == 0 && field.fType == type;
    XG_ASSERT(inOrder, "XGFieldReader", 49);
    if (++fValue == field.fCount) {
        fField++;
        fValue = 0;
    }
}
