#pragma once
#include "foundation/XGPostError.h"

// Shows one error alert: the built-in alert form of the type (Error, Caution, Warning),
// filled with the title and message. The dialogs register it; the foundation knows only
// the procedure.
typedef void (*XGErrorAlertProc)(XGAlertType type, const char* title, const char* message);

// The one place where a posted error becomes an alert. It keeps the caution rule:
// XGPostError::gResult is false before the alert and true afterwards only when a caution
// alert was answered with "Cancel" (item 101). With no procedure registered (a program
// without dialogs, the native build) nothing is shown, and no answer is no refusal.
void XGShowErrorAlert(XGAlertType type, const char* title, const char* message);

// Registers the procedure that shows the alerts; null shows none. Answers the one
// registered before, so a test can put it back.
XGErrorAlertProc XGSetErrorAlertProc(XGErrorAlertProc proc);
