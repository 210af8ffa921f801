#include "NTAlert.h"

#include "dispatch/XGGlobals.h"
#include "dialogs/XGDialog.h"

#include <windows.h>

long NTAlert::Run(short resID, const char* s0, const char* s1, const char* s2, const char* s3)
{
    HRSRC found = FindResourceW(_GInstance, MAKEINTRESOURCEW(resID), L"VRES");
    HGLOBAL loaded = found ? LoadResource(_GInstance, found) : nullptr;
    const unsigned char* form = loaded ? static_cast<const unsigned char*>(LockResource(loaded)) : nullptr;
    if (!form)
        return 0;
    return XGDialog::ModalAlert(form, s0 ? s0 : "", s1 ? s1 : "", s2 ? s2 : "", s3 ? s3 : "");
}

long NTAlert::AskSave(const char* name)
{
    return Run(kAskSave, name);
}

long NTAlert::AskEncoding(const char* name, const char* encoding)
{
    return Run(kAskEncoding, name, encoding);
}

void NTAlert::Problem(const char* title, const char* what, const char* cause)
{
    Run(kProblem, what, cause, title);
}
