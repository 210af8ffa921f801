#include "foundation/XGErrorAlert.h"

namespace {

XGErrorAlertProc gProc = nullptr;

}

XGErrorAlertProc XGSetErrorAlertProc(XGErrorAlertProc proc)
{
    XGErrorAlertProc before = gProc;
    gProc = proc;
    return before;
}

void XGShowErrorAlert(XGAlertType type, const char* title, const char* message)
{
    if (type != kAlertError && type != kAlertCaution && type != kAlertWarning)
        return;
    XGPostError::gResult = false;
    if (gProc)
        gProc(type, title, message);
}
