// Native builds show no alerts; the caution rule still holds: no answer is no refusal.
#include "XGErrorAlert.h"

void XGShowErrorAlert(XGAlertType type, const char*, const char*)
{
    if (type == kAlertError || type == kAlertCaution || type == kAlertWarning)
        XGPostError::gResult = false;
}
