// One mouse gesture of a native window: from a press that a view accepts,
// which captures the mouse to the window, through its moves to the release.
// The press's modifier word is carried, with kModCaptured, to the moves and
// the release; the view that accepted the press is the loop's capture view.
// The framework windows, the tool strip and the pop-ups share this and say
// only where the press, the moves and the release go.
#pragma once

#include <windows.h>

#include "foundation/XGTypes.h"

class XGView;

class XGMouseGesture {
public:
    // Which capture turns a press away.
    enum PressRule {
        kIgnoreWhileCaptured,           // this window already holds the mouse
        kIgnoreWhileAnyCaptured         // any window holds the mouse
    };

    explicit XGMouseGesture(PressRule rule = kIgnoreWhileCaptured) : fRule(rule) {}
    virtual ~XGMouseGesture() = default;
    XGMouseGesture(const XGMouseGesture&) = delete;
    XGMouseGesture& operator=(const XGMouseGesture&) = delete;

    // The button presses, double clicks, releases and moves that Track takes.
    static bool IsMouseMessage(UINT message);
    // Runs one of those messages, which arrived at the native window.
    void Track(HWND window, UINT message, LPARAM lParam);
    // A window's procedure passes on WM_CAPTURECHANGED and WM_NCDESTROY
    // here when its gesture says ReportsCaptureLoss.
    static void NoteCaptureLost(HWND window);

protected:
    // True when the window's procedure calls NoteCaptureLost: the gesture
    // then knows that its window holds the mouse without asking the window
    // server at each move and at the release.
    virtual bool ReportsCaptureLoss() const { return false; }

    // The view that accepted the press, which then tracks the gesture, or null.
    virtual XGView* Press(Point where, short modifiers) = 0;
    // capture is the view tracking the gesture, or null between gestures.
    virtual void Move(Point where, short modifiers, XGView* capture) = 0;
    // True keeps the mouse captured after the release.
    virtual bool Release(Point where, short modifiers, XGView* capture) = 0;

private:
    void Capture(HWND window);

    PressRule fRule;
};
