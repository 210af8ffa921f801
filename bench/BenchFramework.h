// The framework's side: windows from VRES trees, the edit text view (alone or
// in a scroll view) and the application's own event loop.
#pragma once

#include "BenchSide.h"

class BenchApp;
class XGEditText;
class XGWindow;
struct HWND__;

class BenchFramework : public BenchSide {
public:
    explicit BenchFramework(BenchApp& app) : fApp(app) {}

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
    XGWindow* Open(short resID);
    void Paint(XGWindow* window);
    void Close(XGWindow* window);
    double Post(unsigned message, unsigned long long wParam, long long lParam, unsigned second = 0);

    BenchApp& fApp;
    XGWindow* fEditWindow = nullptr;
    XGEditText* fEdit = nullptr;
};
