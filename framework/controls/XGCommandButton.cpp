#include "controls/XGCommandButton.h"
#include "controls/XGControlFields.h"
#include "records/XGFieldReader.h"

XGCommandButton::XGCommandButton(XGView* parent, XGArgStream& stream)
    : XGButton(parent, stream), fDefault(false)
{
    XGFieldReader fields(stream, XGControlFields::gCommandButton);
    fields.ReadInteger("unusedvalue");
    char title[256];
    fields.ReadString("title", title);
    fields.End();
    InitControl(title);
}

XGCommandButton::~XGCommandButton() = default;

tagRECT XGCommandButton::GetButtonRect() const
{
    tagRECT r = GetRootRect();
    RectMath::InsetRect(&r, ScaleUnits(4), ScaleUnits(4));
    return r;
}

void XGCommandButton::InitControl(const char* title)
{
    fControl = CreateControl("BUTTON", WS_CHILD | BS_PUSHBUTTON, title, GetButtonRect(), fFont);
}

void XGCommandButton::SetDefault(bool isDefault)
{
    if (isDefault == fDefault)
        return;
    fDefault = isDefault;
    InvalView();
    if (fControl)
        SendMessageW(fControl, BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void XGCommandButton::DoMoveView()
{
    MoveControl(fControl, GetButtonRect());
}
