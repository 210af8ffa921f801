#include "HCYPictureButton.h"

#include "views/XGCursor.h"
#include "views/XGDraw.h"
#include "dispatch/XGMessages.h"
#include "views/XGWindow.h"
#include "views/XGWindowProc.h"

#include <windows.h>
#include <oleacc.h>

namespace {

struct Pictures {
    short viewID;
    short normal;
    short hover;
    short pressed;
    const char* name;   // what screen readers call the button
};

const Pictures kPictures[] = {
    {HCYPictureButton::kInstall, 128, 129, 130, "Install"},
    {HCYPictureButton::kExit, 131, 132, 133, "Exit"},
    {HCYPictureButton::kInstallQuickTime, 140, 141, 142, "Install QuickTime"},
    {HCYPictureButton::kClose, 143, 144, 145, "Close"},
};

}

// long Handler(long arg, void* data); -1 passes the message on.
XG_BEGIN_DISPATCH(HCYPictureButton, XGView)
    XG_ON(kMsgKey, DoKey)
XG_END_DISPATCH()

HCYPictureButton::HCYPictureButton(XGView* parent, XGArgStream& stream)
    : XGView(parent, stream)
    , ResIDState1(0)
    , ResIDState2(0)
    , ResIDState3(0)
    , CurrentResID(0)
    , pWidth(100)
    , pHeight(100)
    , ViewID(fViewID)
    , cInstall(0)
    , fAlive(std::make_shared<bool>(true))
{
    // Any other ID keeps bitmap 0 for all three states, which draws nothing.
    for (const Pictures& p : kPictures) {
        if (p.viewID == ViewID) {
            ResIDState1 = p.normal;
            ResIDState2 = p.hover;
            ResIDState3 = p.pressed;
            SetAccessibleName(p.name);
        }
    }
    CurrentResID = ResIDState1;
}

HCYPictureButton::~HCYPictureButton()
{
    *fAlive = false;
}

void HCYPictureButton::ChangePicture(short bitmap)
{
    XGDraw draw(this);
    tagRECT content = GetContentRect();
    tagRECT frame = content;
    RectMath::InsetRect(&frame, -1, -1);
    draw.Draw3DRect(frame, kRectSunken);
    draw.DrawPicture(bitmap, static_cast<short>(content.left), static_cast<short>(content.top));
    CurrentResID = bitmap;
}

void HCYPictureButton::DoGainFocus()
{
}

void HCYPictureButton::DoLoseFocus()
{
    ChangePicture(ResIDState1);
}

void HCYPictureButton::DoDrawView(tagRECT area)
{
    XGDraw draw(this);
    draw.Draw3DRect(area, kRectFaceFill);
    tagRECT content = GetContentRect();
    draw.FillRect(content, RGB(0, 0, 0));
    tagRECT frame = content;
    RectMath::InsetRect(&frame, -1, -1);
    draw.Draw3DRect(frame, kRectSunken);
    draw.DrawPicture(CurrentResID, static_cast<short>(content.left), static_cast<short>(content.top));
}

void HCYPictureButton::DoActivate(bool)
{
}

bool HCYPictureButton::DoMouseDown(Point, short modifiers)
{
    ChangePicture(ResIDState3);
    if (modifiers & kModCaptured)
        return false;
    SetCursorID(0);
    return true;
}

void HCYPictureButton::DoMouseMove(Point, short modifiers)
{
    if (!IsActive())
        return;
    if (CurrentResID == ResIDState1)
        ChangePicture(ResIDState2);
    if (!(modifiers & kModCaptured))
        SetCursorID(0);
}

void HCYPictureButton::DoMouseUp(Point, short)
{
    ChangePicture(ResIDState2);
    if (RunAction())
        SetFocus();
}

void HCYPictureButton::DoMouseLeave()
{
    if (CurrentResID != ResIDState1)
        ChangePicture(ResIDState1);
}

long HCYPictureButton::DoKey(long, void*)
{
    return -1;
}

bool HCYPictureButton::RunAction()
{
    const std::shared_ptr<bool> alive = fAlive;

    switch (ViewID) {
    case kInstall: {
        HCYDoInstall install(0);
        install.InstallNow();
        break;
    }
    case kExit:
        PostQuitMessage(0);
        break;
    case kInstallQuickTime: {
        HCYDoInstall install(1);
        install.InstallNow();
        if (*alive)
            GetWindow()->HideWindow();
        break;
    }
    case kClose:
        GetWindow()->HideWindow();
        break;
    default:
        break;
    }
    return *alive;
}

// accessibility: a push button whose default action is a click's

long HCYPictureButton::GetAccRole() const
{
    return ROLE_SYSTEM_PUSHBUTTON;
}

const char* HCYPictureButton::GetAccDefaultAction() const
{
    return "Press";
}

bool HCYPictureButton::DoAccDefaultAction()
{
    if (!IsVisible() || !IsEnabled())
        return false;
    RunAction();
    return true;
}
