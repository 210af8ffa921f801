#include "foundation/XGAbort.h"
#include <cstring>

XGAbort::~XGAbort() = default;

void XGAbort::DisplayError() const {}

void XGAbort::GetShortError(char* buffer) const
{
    strcpy(buffer, "Procedure aborted");
}

void XGAbort::GetLongError(char* buffer) const
{
    strcpy(buffer, "The operation was aborted.");
}
