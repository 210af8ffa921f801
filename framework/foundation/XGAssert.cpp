#include "foundation/XGAssert.h"

int16_t _InlineError(const char* condition, const char* file, int32_t line)
{
    throw XGPostError(kErrAssertion, condition, file, line);
}
