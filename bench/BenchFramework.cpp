#include "BenchFramework.h"

#include <windows.h>

#include <cstring>

#include "BenchApp.h"
#include "controls/XGEditCore.h"
#include "controls/XGEditText.h"
#include "foundation/XGHandle.h"
#include "views/XGWindow.h"
#include "forms/XGWindowFactory.h"

namespace {

enum : short {
    kStaticsTree = 200,
    kButtonsTree = 201,
    kEditTree = 202,
    kScrollEditTree = 203,
    kEditID = 1
};

}

XGWindow* BenchFramework::Open(short resID)
{
    return XGWindowFactory::CreateFromResource(resID, nullptr);
}

// Whatever the new window posted to itself, then every view painted.
void BenchFramework::Paint(XGWindow* window)
{
    fApp.RunUntilHandled(window->GetHWND());
    RedrawWindow(window->GetHWND(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
}

void BenchFramework::Close(XGWindow* window)
{
    window->CloseWindow();
    // The marker goes to the thread: the window is gone.
    fApp.RunUntilHandled(nullptr);
}

double BenchFramework::BuildStatics()
{
    double start = BenchApp::Now();
    XGWindow* window = Open(kStaticsTree);
    Paint(window);
    double took = BenchApp::Now() - start;
    Close(window);
    return took;
}

std::pair<double, double> BenchFramework::BuildAndCloseButtons()
{
    double start = BenchApp::Now();
    XGWindow* window = Open(kButtonsTree);
    Paint(window);
    double built = BenchApp::Now();
    Close(window);
    double closed = BenchApp::Now();
    return {built - start, closed - built};
}

void BenchFramework::OpenEdit(const std::string& text, long caret, bool inScroll)
{
    fEditWindow = Open(inScroll ? kScrollEditTree : kEditTree);
    fEdit = static_cast<XGEditText*>(fEditWindow->FindViewByID(kEditID));
    XGHandle handle(uint32_t(text.size()));
    if (!text.empty())
        memcpy(*handle, text.data(), text.size());
    fEdit->SetTextHandle(handle);
    fEdit->SetFocus();
    fEdit->SetSelect(caret, caret);
    Paint(fEditWindow);
}

HWND BenchFramework::InputTarget()
{
    return fEditWindow->GetHWND();
}

void BenchFramework::FocusEdit()
{
    SetActiveWindow(fEditWindow->GetHWND());
    fEdit->SetFocus();
    fApp.RunUntilHandled(fEditWindow->GetHWND());
}

void BenchFramework::Settle()
{
    Paint(fEditWindow);
}

double BenchFramework::ClickFirstLine()
{
    XGEditCore* core = fEdit->GetEditCore();
    tagRECT frame = core->GetFrame();
    Point global = fEdit->GetGlobalPos();
    long h = global.h + (frame.left + frame.right) / 2;
    long v = global.v + frame.top + core->GetPixelStep() / 2;
    return Input(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(h, v), WM_LBUTTONUP);
}

void BenchFramework::CloseEdit()
{
    Close(fEditWindow);
    fEditWindow = nullptr;
    fEdit = nullptr;
}

long BenchFramework::Caret()
{
    long start = 0, end = 0;
    fEdit->GetSelect(&start, &end);
    return end;
}

long BenchFramework::TextLength()
{
    return long(fEdit->GetTextHandle().GetSize());
}

double BenchFramework::Loop(long count)
{
    XGWindow* window = Open(kEditTree);
    Paint(window);
    PlacePointer(window->GetHWND());
    Paint(window);
    fApp.ResetCount();
    double start = BenchApp::Now();
    for (long i = 0; i < count; ++i)
        PostMessageA(window->GetHWND(), BenchApp::kCounted, 0, 0);
    fApp.RunUntilCounted(count);
    double took = BenchApp::Now() - start;
    Close(window);
    return took;
}

void BenchFramework::PumpOne()
{
    fApp.RunOnce(nullptr);
}
