// Plain Win32 doing the same work: STATIC controls through
// CreateDialogIndirect, BUTTON controls, the system's EDIT control and a
// GetMessage loop.
#pragma once

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

private:
    HWND__* OpenTop(const char* title);
    void Paint(HWND__* window);
    void Close(HWND__* window);

    HWND__* fEditTop = nullptr;
    HWND__* fEdit = nullptr;
};
