// Plain Win32 doing the same work: STATIC controls through
// CreateDialogIndirect, BUTTON controls, the system's EDIT control and a
// GetMessage loop.
#pragma once

#include <string>

#include "BenchSide.h"

struct HWND__;

class BenchRaw : public BenchSide {
public:
    BenchRaw();

    double BuildStatics() override;
    std::pair<double, double> BuildAndCloseButtons() override;
    void OpenEdit(const std::string& text, long caret, bool inScroll) override;
    double ClickFirstLine() override;
    void CloseEdit() override;
    long Caret() override;
    long TextLength() override;
    double Loop(long count) override;

protected:
    HWND__* InputTarget() override;
    void FocusEdit() override;
    void Settle() override;
    void PumpOne() override;

private:
    static std::wstring Widen(const std::string& utf8);
    std::string WideText(long units);
    HWND__* OpenTop(const char* title);
    void Paint(HWND__* window);
    void Close(HWND__* window);

    HWND__* fEditTop = nullptr;
    HWND__* fEdit = nullptr;
    // The edit holds text beyond ASCII: a Unicode control, whose offsets
    // (UTF-16 units, CR LF line ends) are given back as the framework's.
    bool fWide = false;
};
