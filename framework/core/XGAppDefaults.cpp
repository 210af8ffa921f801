#include "core/XGAppCore.h"
#include "controls/XGCommandButton.h"
#include "controls/XGControlFields.h"
#include "dialogs/XGDialogFields.h"
#include "dialogs/XGDialog.h"
#include "controls/XGEditText.h"
#include "controls/XGIcon.h"
#include "controls/XGListControl.h"
#include "controls/XGPopControl.h"
#include "controls/XGStaticText.h"
#include "views/XGView.h"
#include "forms/XGViewTemplate.h"
#include "views/XGWindow.h"
#include "forms/XGWindowTemplate.h"

// The framework's own class codes. The order is the registries' search order.
void XGAppCore::RegisterDefaultClasses()
{
    XGWindowTemplate<XGWindow>::Register(kClassWindow);
    XGViewTemplate<XGView>::Register(kClassView);
    XGViewTemplate<XGStaticText>::Register(kClassStaticText);
    XGViewTemplate<XGCommandButton>::Register(kClassPushButton);
    XGViewTemplate<XGEditText>::Register(kClassEditText);
    XGViewTemplate<XGIcon>::Register(kClassIcon);
    XGViewTemplate<XGPopControl>::Register(kClassPopControl);
    XGViewTemplate<XGListControl>::Register(kClassListControl);
    XGWindowTemplate<XGDialog>::Register(kClassDialog);
}
