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
    double Char(char c) override;
    double Key(unsigned vk) override;
    double ClickFirstLine() override;
    void CloseEdit() override;
    long Caret() override;
    long TextLength() override;
    double Loop(long count) override;

private:
    HWND__* OpenTop(const char* title);
    void Paint(HWND__* window);
    void Close(HWND__* window);
    double Post(unsigned message, unsigned long long wParam, long long lParam, unsigned second = 0);

    HWND__* fEditTop = nullptr;
    HWND__* fEdit = nullptr;
};
