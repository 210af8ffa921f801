// One side of the benchmarks: each call does one piece of work the way its
// side does it and returns the milliseconds it took, setting up and tearing
// down outside the timing. The framework and plain Win32 implement it alike.
#pragma once

#include <string>
#include <utility>

struct HWND__;

class BenchSide {
public:
    virtual ~BenchSide() = default;

    // Create and first paint of a 200-view window; closed untimed.
    virtual double BuildStatics() = 0;
    // Create and first paint of the 200-button window, then closing it.
    virtual std::pair<double, double> BuildAndCloseButtons() = 0;

    // An edit window with this text (lines end in '\n'; the side converts),
    // the caret at offset; inScroll puts it inside a scroll view with bars.
    virtual void OpenEdit(const std::string& text, long caret, bool inScroll) = 0;
    // A typed character; a key pressed and released.
    double Char(char c);
    double Key(unsigned vk);
    // A left click in the middle of the first visible line.
    virtual double ClickFirstLine() = 0;
    virtual void CloseEdit() = 0;
    // Where the caret is and how long the text is, with lines ending in one
    // '\n' whatever the side keeps, so that a run can check the work was done.
    virtual long Caret() = 0;
    virtual long TextLength() = 0;

    // count posted messages through the event loop.
    virtual double Loop(long count) = 0;

    // Where the pointer rests while this side's inputs and loop run: over
    // the timed window, where a user's is while working in it, or off every
    // window.
    void SetPointerOver(bool over) { fPointerOver = over; }

protected:
    // One input posted to the edit (and its release, when there is one),
    // timed until it is handled and painted.
    double Input(unsigned message, unsigned long long wParam, long long lParam, unsigned release = 0);
    virtual HWND__* InputTarget() = 0;
    // Untimed: this side's window active and its edit focused, since both
    // sides' windows are open at once.
    virtual void FocusEdit() = 0;
    // Its loop run until the input is handled, then every view painted.
    virtual void Settle() = 0;
    // Untimed: the pointer put in its place for this window, and the mouse
    // input that caused handled by the side's own loop.
    void PlacePointer(HWND__* window);
    // One message through the side's loop, waiting for it.
    virtual void PumpOne() = 0;

private:
    bool fPointerOver = false;
};
