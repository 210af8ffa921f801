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
    XGWindow* Open(short resID);
    void Paint(XGWindow* window);
    void Close(XGWindow* window);

    BenchApp& fApp;
    XGWindow* fEditWindow = nullptr;
    XGEditText* fEdit = nullptr;
};
