#pragma once
#include "XGPostError.h"

// The one place where a posted error becomes an alert: picks the built-in alert form by
// type (Error, Caution, Warning; any other type shows nothing), runs it with the title and
// message, and keeps the caution rule: XGPostError::gResult is false before the alert and
// true afterwards only when a caution alert was answered with "Cancel" (item 101).
void XGShowErrorAlert(XGAlertType type, const char* title, const char* message);
