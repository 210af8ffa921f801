// Native builds have no application object: a dying focus leaves no heir.
#include "XGDispatch.h"

XGDispatch* XGFocusHeir()
{
    return nullptr;
}
