#include "XGAppCore.h"

XGDispatch* XGFocusHeir()
{
    return XGAppCore::GetApplication();
}
