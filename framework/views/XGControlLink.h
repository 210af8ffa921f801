// Which framework object a native control window answers to. Each control
// carries the window property named by _GControlClass; the same link is kept
// here in the process as well, so that finding the object of a notifying
// control, on every notification, asks the window system nothing (under Wine
// reading a property is a round trip to its server), and so that a window
// closing with all its controls can leave their properties to go with the
// native windows instead of removing them one by one.
#pragma once

class XGDispatch;
struct HWND__;

class XGControlLink {
public:
    // Sets the property and keeps the link; root is the native window the
    // control was made in.
    static void Link(HWND__* control, XGDispatch* owner, HWND__* root);
    // The object no longer answers for the control. With rootGoing the
    // control's root window is destroyed next, taking the control and its
    // property: the property is left, and until ForgetRoot the link answers
    // that the control has no object, so that nothing reaches the object
    // through the property meanwhile.
    static void Unlink(HWND__* control, bool rootGoing);
    // The object of a control: the kept link, else (a window linked some
    // other way) the property.
    static XGDispatch* Find(HWND__* control);
    // The root window is destroyed: the links left for its controls go.
    static void ForgetRoot(HWND__* root);
};
