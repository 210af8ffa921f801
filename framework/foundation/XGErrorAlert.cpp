#include <windows.h>
#include "XGErrorAlert.h"

// Item numbers of the alert forms' buttons.
static const long kAlertOK = 100;
static const long kAlertCancel = 101;

void XGShowErrorAlert(XGAlertType type, const char* title, const char* message)
{
    // FIXME: the built-in "Error", "Caution" and "Warning" forms run through
    // XGDialog::ModalAlert (title as "^0", message as "^1") once dialogs exist; until then a
    // system message box of the same kind stands in, with the same title and message.
    UINT style;
    switch (type) {
    case kAlertError: style = MB_OK | MB_ICONHAND; break;
    case kAlertCaution: style = MB_OKCANCEL | MB_ICONEXCLAMATION; break;
    case kAlertWarning: style = MB_OK | MB_ICONASTERISK; break;
    default: return;
    }
    XGPostError::gResult = false;
    int answer = MessageBoxA(nullptr, message, title, style | MB_TASKMODAL);
    long item = answer == IDOK ? kAlertOK : answer == IDCANCEL ? kAlertCancel : 0;
    if (item == kAlertCancel && type == kAlertCaution)
        XGPostError::gResult = true;
}
