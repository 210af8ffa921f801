#include "XGAlertForms.h"
#include "XGDialog.h"
#include "XGErrorAlert.h"

void XGShowErrorAlert(XGAlertType type, const char* title, const char* message)
{
    const unsigned char* form = XGAlertForms::Get(type);
    if (!form)
        return;
    XGPostError::gResult = false;
    long item = XGDialog::ModalAlert(form, title, message, nullptr, nullptr);
    // "Cancel" in the "Caution" alert is the user's refusal.
    if (item == 101 && type == kAlertCaution)
        XGPostError::gResult = true;
}
