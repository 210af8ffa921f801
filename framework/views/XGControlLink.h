// Which framework object a native control window answers to. Each control
// carries the window property named by _GControlClass; the same link is kept
// here in the process as well, so that finding the object of a notifying
// control, on every notification, asks the window system nothing (under Wine
// reading a property is a round trip to its server), and so that a window
// closing with all its controls can leave their properties to go with the
// native windows instead of removing them one by one.
//
// A kept link lasts exactly as long as its native window: the window tells
// the link when it is destroyed, however that comes about, so that a handle
// the system hands out again never finds the link of a window gone. The font
// the control was given is held as long, since the control keeps drawing with
// it until then, whatever became of its object.
#pragma once

class XGDispatch;
class XGFont;
struct HWND__;

class XGControlLink {
public:
    // Sets the property and keeps the link; root is the native window the
    // control was made in, font (may be null) the one it draws with. False
    // when the link could not be kept: the control must not be used then.
    static bool Link(HWND__* control, XGDispatch* owner, HWND__* root, XGFont* font = nullptr);
    // The object no longer answers for the control. With rootGoing the
    // control's root window is destroyed next, taking the control and its
    // property: the property is left, and until the control is destroyed the
    // link answers that the control has no object, so that nothing reaches
    // the object through the property meanwhile. False when control is not
    // (or no longer) a native window linked to owner: a window destroyed from
    // outside, whose handle may since name another window, is left alone.
    static bool Unlink(HWND__* control, XGDispatch* owner, bool rootGoing);
    // The object of a control: the kept link, else (a window linked some
    // other way) the property.
    static XGDispatch* Find(HWND__* control);
    // The root window is destroyed: the links left for its controls go.
    static void ForgetRoot(HWND__* root);
};
