#include "XGAppCore.h"

// The framework's own class codes, registered once per application object in
// this order: 'wind' XGWindow, 'view' XGView, 'text' XGStaticText,
// 'pbtn' XGCommandButton, 'edit' XGEditText, 'icon' XGIcon,
// 'popm' XGPopControl, 'list' XGListControl, 'dlog' XGDialog.
// FIXME: the registrations, through XGViewTemplate and XGWindowTemplate,
// join here as those classes become part of the build.
void XGAppCore::RegisterDefaultClasses()
{
}
