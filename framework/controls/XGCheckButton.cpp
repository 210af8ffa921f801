#include "controls/XGCheckButton.h"
#include "forms/records/XGArgStream.h"

XGCheckButton::XGCheckButton(XGView* parent, XGArgStream& stream) : XGButton(parent, stream)
{
    long value = stream.ReadInteger();
    char title[256];
    stream.ReadString(title);
    InitControl(title, value);
}

XGCheckButton::~XGCheckButton() = default;

void XGCheckButton::InitControl(const char* title, long value)
{
    // BS_3STATE rather than BS_CHECKBOX: both leave toggling to the program,
    // but the plain check box clamps BM_SETCHECK to checked and could never
    // show the indeterminate state.
    fControl = CreateControl("BUTTON", WS_CHILD | BS_3STATE, title, GetRootRect(), fFont);
    SetValue(value);
}
