#pragma once
#include <windows.h>
#include "views/XGView.h"

class XGArgStream;
class XGFont;

// Base of the views that a Windows control draws and operates: the wrapper
// owns one native child window laid over the view's rectangle in the root
// window, and keeps its position, visibility, enabling and focus in step.
class XGControl : public XGView {
public:
    // construction
    XGControl(XGView* parent, XGArgStream& stream);
    XGControl(XGView* parent, XGSViewInitRecord& record);
    ~XGControl() override;

    // The common focus routine: framework focus, the window's focus view and,
    // in the front window, the native keyboard focus.
    void SetControlFocus(HWND control);

    // The wrapper of a native control window, or null.
    static XGControl* FromHWND(HWND control);

protected:
    // The view's content rectangle in root-window coordinates.
    tagRECT GetRootRect() const;
    // Creates the native child window over rect, links it to this wrapper
    // and sets the font, at the window's DPI, when there is one; null when
    // creation failed.
    HWND CreateControl(const char* className, DWORD style, const char* title,
                       const tagRECT& rect, XGFont* font);
    void DestroyControl(HWND control);
    // Gives the native control font made for the window's DPI; a control
    // already shown is drawn again with it. Without a font nothing changes.
    void SetControlFont(HWND control, XGFont* font);
    // Moves and sizes the native window, hidden until the view is drawn again.
    static void MoveControl(HWND control, const tagRECT& rect);
    void ShowControl(HWND control);
    // Hides the native window when the view is hidden; it shows again when
    // the view is next drawn.
    void HideControlWithView(HWND control);
    void EnableControlWithView(HWND control);
};
