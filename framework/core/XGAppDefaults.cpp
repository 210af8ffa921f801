#include "core/XGAppCore.h"
#include "controls/XGCommandButton.h"
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
    XGWindowTemplate<XGWindow>::Register('wind');
    XGViewTemplate<XGView>::Register('view');
    XGViewTemplate<XGStaticText>::Register('text');
    XGViewTemplate<XGCommandButton>::Register('pbtn');
    XGViewTemplate<XGEditText>::Register('edit');
    XGViewTemplate<XGIcon>::Register('icon');
    XGViewTemplate<XGPopControl>::Register('popm');
    XGViewTemplate<XGListControl>::Register('list');
    XGWindowTemplate<XGDialog>::Register('dlog');
}
