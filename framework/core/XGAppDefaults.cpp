#include "XGAppCore.h"
#include "XGCommandButton.h"
#include "XGDialog.h"
#include "XGEditText.h"
#include "XGIcon.h"
#include "XGListControl.h"
#include "XGPopControl.h"
#include "XGStaticText.h"
#include "XGView.h"
#include "XGViewTemplate.h"
#include "XGWindow.h"
#include "XGWindowTemplate.h"

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
