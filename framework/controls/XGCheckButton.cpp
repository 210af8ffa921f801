#include "controls/XGCheckButton.h"
#include "controls/XGControlFields.h"
#include "records/XGFieldReader.h"

XGCheckButton::XGCheckButton(XGView* parent, XGArgStream& stream) : XGButton(parent, stream)
{
    XGFieldReader fields(stream, XGControlFields::gCheckButton);
    long value = fields.ReadInteger("value");
    char title[256];
    fields.ReadString("title", title);
    fields.End();
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
