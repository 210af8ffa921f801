#include "dialogs/XGDialog.h"
#include "records/XGAlertForms.h"

void XGDialog::ShowErrorAlert(XGAlertType type, const char* title, const char* message)
{
    const unsigned char* form = XGAlertForms::Get(type);
    if (!form)
        return;
    long item = ModalAlert(form, title, message, nullptr, nullptr);
    // "Cancel" in the "Caution" alert is the user's refusal.
    if (item == 101 && type == kAlertCaution)
        XGPostError::gResult = true;
}
