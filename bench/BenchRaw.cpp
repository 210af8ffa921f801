#include "BenchRaw.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "BenchApp.h"

namespace {

const char kRawClass[] = "KeboBenchRaw";
const int kViews = 200;

// A dialog template in memory: the header, then one STATIC item per text,
// each item on a DWORD boundary.
class TemplateWriter {
public:
    void Word(WORD value) { fWords.push_back(value); }
    void Long(DWORD value) { Word(LOWORD(value)), Word(HIWORD(value)); }
    void Text(const char* text)
    {
        while (*text)
            Word(WORD((unsigned char)*text++));
        Word(0);
    }
    void Align()
    {
        if (fWords.size() % 2)
            Word(0);
    }
    const DLGTEMPLATE* Data() const { return reinterpret_cast<const DLGTEMPLATE*>(fWords.data()); }

private:
    std::vector<WORD> fWords;
};

INT_PTR CALLBACK QuietDialog(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

}

BenchRaw::BenchRaw()
{
    WNDCLASSA type = {};
    type.style = CS_HREDRAW | CS_VREDRAW;
    type.lpfnWndProc = DefWindowProcA;
    type.hInstance = GetModuleHandleA(nullptr);
    type.hCursor = LoadCursor(nullptr, IDC_ARROW);
    type.hbrBackground = HBRUSH(COLOR_WINDOW + 1);
    type.lpszClassName = kRawClass;
    RegisterClassA(&type);
}

HWND BenchRaw::OpenTop(const char* title)
{
    RECT r = {0, 0, 640, 420};
    AdjustWindowRect(&r, WS_OVERLAPPEDWINDOW, FALSE);
    return CreateWindowExA(0, kRawClass, title, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE,
                           CW_USEDEFAULT, CW_USEDEFAULT, r.right - r.left, r.bottom - r.top,
                           nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

void BenchRaw::Paint(HWND window)
{
    BenchApp::PumpUntilHandled(window);
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
}

void BenchRaw::Close(HWND window)
{
    DestroyWindow(window);
    BenchApp::PumpUntilHandled(nullptr);
}

double BenchRaw::BuildStatics()
{
    double start = BenchApp::Now();
    TemplateWriter dialog;
    dialog.Long(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_SETFONT);
    dialog.Long(0);
    dialog.Word(kViews);
    dialog.Word(10), dialog.Word(10), dialog.Word(430), dialog.Word(280);
    dialog.Word(0), dialog.Word(0);     // no menu, the standard class
    dialog.Text("200 static texts");
    dialog.Word(8);
    dialog.Text("MS Shell Dlg");
    char title[16];
    for (int i = 1; i <= kViews; ++i) {
        dialog.Align();
        dialog.Long(WS_CHILD | WS_VISIBLE | SS_LEFT);
        dialog.Long(0);
        dialog.Word(WORD(2 + (i - 1) % 10 * 42)), dialog.Word(WORD(1 + (i - 1) / 10 * 13));
        dialog.Word(40), dialog.Word(12);
        dialog.Word(WORD(i));
        dialog.Word(0xFFFF), dialog.Word(0x0082);  // STATIC
        wsprintfA(title, "Text %d", i);
        dialog.Text(title);
        dialog.Word(0);
    }
    HWND window = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), dialog.Data(), nullptr,
                                             QuietDialog, 0);
    Paint(window);
    double took = BenchApp::Now() - start;
    Close(window);
    return took;
}

std::pair<double, double> BenchRaw::BuildAndCloseButtons()
{
    double start = BenchApp::Now();
    HWND window = OpenTop("200 push buttons");
    HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
    char title[16];
    for (int i = 1; i <= kViews; ++i) {
        wsprintfA(title, "Button %d", i);
        HWND button = CreateWindowExA(0, "BUTTON", title, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                      4 + (i - 1) % 10 * 63, 2 + (i - 1) / 10 * 20, 60, 19, window,
                                      HMENU(INT_PTR(i)), GetModuleHandleA(nullptr), nullptr);
        SendMessageA(button, WM_SETFONT, WPARAM(font), FALSE);
    }
    Paint(window);
    double built = BenchApp::Now();
    Close(window);
    double closed = BenchApp::Now();
    return {built - start, closed - built};
}

void BenchRaw::OpenEdit(const std::string& text, long caret, bool inScroll)
{
    fEditTop = OpenTop("edit text");
    DWORD style = WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_NOHIDESEL;
    if (inScroll)
        style |= WS_HSCROLL | WS_VSCROLL;
    fWide = false;
    for (char c : text)
        fWide = fWide || (c & 0x80) != 0;
    if (fWide)
        fEdit = CreateWindowExW(0, L"EDIT", L"", style, 0, 0, 640, 420, fEditTop, HMENU(INT_PTR(1)),
                                GetModuleHandleW(nullptr), nullptr);
    else
        fEdit = CreateWindowExA(0, "EDIT", "", style, 0, 0, 640, 420, fEditTop, HMENU(INT_PTR(1)),
                                GetModuleHandleA(nullptr), nullptr);
    SendMessageA(fEdit, WM_SETFONT, WPARAM(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    SendMessageA(fEdit, EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
    // The control's lines end in CR LF; the caret keeps its place in the text.
    std::string crlf;
    crlf.reserve(text.size() + text.size() / 32);
    long rawCaret = caret;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            crlf += '\r';
            if (long(i) < caret)
                ++rawCaret;
        }
        crlf += text[i];
    }
    if (fWide) {
        std::wstring wide = Widen(crlf);
        rawCaret = long(Widen(crlf.substr(0, size_t(rawCaret))).size());
        SetWindowTextW(fEdit, wide.c_str());
    } else {
        SetWindowTextA(fEdit, crlf.c_str());
    }
    SetFocus(fEdit);
    SendMessageA(fEdit, EM_SETSEL, WPARAM(rawCaret), LPARAM(rawCaret));
    Paint(fEditTop);
}

std::wstring BenchRaw::Widen(const std::string& utf8)
{
    int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring wide(size_t(n), L'\0');
    if (n > 0)
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), &wide[0], n);
    return wide;
}

// The control's text up to `units`, as UTF-8 with lines ending in '\n'.
std::string BenchRaw::WideText(long units)
{
    std::wstring wide(size_t(GetWindowTextLengthW(fEdit)) + 1, L'\0');
    wide.resize(size_t(GetWindowTextW(fEdit, &wide[0], int(wide.size()))));
    if (units >= 0 && size_t(units) < wide.size())
        wide.resize(size_t(units));
    int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(size_t(n), '\0');
    if (n > 0)
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), &utf8[0], n, nullptr, nullptr);
    std::string out;
    for (char c : utf8) {
        if (c != '\r')
            out += c;
    }
    return out;
}

HWND BenchRaw::InputTarget()
{
    return fEdit;
}

void BenchRaw::FocusEdit()
{
    SetActiveWindow(fEditTop);
    SetFocus(fEdit);
    BenchApp::PumpUntilHandled(fEditTop);
}

void BenchRaw::Settle()
{
    Paint(fEditTop);
}

double BenchRaw::ClickFirstLine()
{
    RECT client;
    GetClientRect(fEdit, &client);
    DWORD first = DWORD(SendMessageA(fEdit, EM_LINEINDEX, SendMessageA(fEdit, EM_GETFIRSTVISIBLELINE, 0, 0), 0));
    LRESULT at = SendMessageA(fEdit, EM_POSFROMCHAR, first, 0);
    TEXTMETRICA metrics;
    HDC dc = GetDC(fEdit);
    HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(fEdit, dc);
    short v = short(short(HIWORD(at)) + metrics.tmHeight / 2);
    if (v < 0 || v > client.bottom)
        v = short(metrics.tmHeight / 2 + 1);
    return Input(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.right / 2, v), WM_LBUTTONUP);
}

void BenchRaw::CloseEdit()
{
    Close(fEditTop);
    fEditTop = nullptr;
    fEdit = nullptr;
}

long BenchRaw::Caret()
{
    DWORD start = 0, end = 0;
    SendMessageA(fEdit, EM_GETSEL, WPARAM(&start), LPARAM(&end));
    if (fWide)
        return long(WideText(long(end)).size());
    long line = long(SendMessageA(fEdit, EM_LINEFROMCHAR, end, 0));
    return long(end) - line;
}

long BenchRaw::TextLength()
{
    if (fWide)
        return long(WideText(-1).size());
    long lines = long(SendMessageA(fEdit, EM_GETLINECOUNT, 0, 0));
    return long(GetWindowTextLengthA(fEdit)) - (lines - 1);
}

double BenchRaw::Loop(long count)
{
    HWND window = OpenTop("event loop");
    Paint(window);
    PlacePointer(window);
    Paint(window);
    double start = BenchApp::Now();
    for (long i = 0; i < count; ++i)
        PostMessageA(window, BenchApp::kCounted, 0, 0);
    BenchApp::PumpUntilCounted(count);
    double took = BenchApp::Now() - start;
    Close(window);
    return took;
}

void BenchRaw::PumpOne()
{
    MSG message;
    if (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}
