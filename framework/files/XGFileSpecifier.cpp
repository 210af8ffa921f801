#include "files/XGFileSpecifier.h"

XGFileSpecifier::XGFileSpecifier()
{
}

XGFileSpecifier::~XGFileSpecifier()
{
}

XGFileSpecifier& XGFileSpecifier::operator=(const char* path)
{
    fPath = path;
    return *this;
}
