// The editable text view inside a framework window: presses and drags arrive
// as Windows mouse messages, keys through the framework's keyboard
// translation, and the Edit commands through the focus chain.
#include "WindowsTestSupport.h"

#include <string>
#include <vector>

#include "records/XGArgStream.h"
#include "controls/XGEditCore.h"
#include "controls/XGEditText.h"
#include "views/XGWindowProc.h"

namespace {

using windowstest::WindowTest;

std::vector<unsigned char> EditRecord(const std::string& text)
{
    std::vector<unsigned char> bytes;
    auto integer = [&](long value) {
        for (int shift = 24; shift >= 0; shift -= 8)
            bytes.push_back((unsigned char)((unsigned long)value >> shift));
    };
    auto boolean = [&](bool value) {
        bytes.push_back(0);
        bytes.push_back(value ? 1 : 0);
    };
    integer('edit');
    integer(4);
    integer(0);
    boolean(true), boolean(true), boolean(false), boolean(false);
    integer(20), integer(20), integer(260), integer(80);
    boolean(true), boolean(true), boolean(true);
    bytes.push_back((unsigned char)text.size());
    bytes.insert(bytes.end(), text.begin(), text.end());
    if (bytes.size() % 2)
        bytes.push_back(0);
    integer(2), integer(0), integer(0);
    boolean(false), boolean(false), boolean(false), boolean(false);
    integer(0);
    boolean(true);
    return bytes;
}

class EditTextWindow : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        XGSWindowInitRecord r = windowstest::Window(0x20, 0, 0, 0, 0, 320, 200);
        fWindow = new XGWindow(r, nullptr);
        fHwnd = fWindow->GetHWND();
        std::vector<unsigned char> bytes = EditRecord("hello world");
        XGArgStream stream(bytes.data(), long(bytes.size()));
        fEdit = new XGEditText(fWindow, stream);
    }
    // Client coordinates of the left edge of the character at offset.
    LPARAM At(long offset)
    {
        XGEditCore* core = fEdit->GetEditCore();
        tagRECT frame = core->GetFrame();
        Point global = fEdit->GetGlobalPos();
        long h = global.h + frame.left + core->FindPixel(offset);
        long v = global.v + frame.top + core->GetPixelStep() / 2;
        return MAKELPARAM(h, v);
    }
    std::string Text() const
    {
        return std::string(*fEdit->GetTextHandle(), fEdit->GetTextHandle().GetSize());
    }
    std::pair<long, long> Selection() const
    {
        long start, end;
        fEdit->GetSelect(&start, &end);
        return {start, end};
    }

    XGWindow* fWindow = nullptr;
    HWND fHwnd = nullptr;
    XGEditText* fEdit = nullptr;
};

TEST_F(EditTextWindow, DragSelectsAndTypingReplacesTheSelection)
{
    SendMessageA(fHwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(6));
    EXPECT_TRUE(fEdit->HasFocus());
    SendMessageA(fHwnd, WM_MOUSEMOVE, MK_LBUTTON, At(11));
    SendMessageA(fHwnd, WM_LBUTTONUP, 0, At(11));
    ASSERT_EQ(Selection(), std::make_pair(6L, 11L));

    for (char c : std::string("there"))
        EXPECT_EQ(XGWindowProc::ProcKeyboardCommon(WM_CHAR, (unsigned char)c, 0), 0);
    EXPECT_EQ(Text(), "hello there");

    EXPECT_EQ(XGWindowProc::ProcKeyboardCommon(WM_KEYDOWN, VK_LEFT, 0), 0);
    EXPECT_EQ(XGWindowProc::ProcKeyboardCommon(WM_KEYDOWN, VK_DELETE, 0), 0);
    EXPECT_EQ(Text(), "hello thee");
    EXPECT_EQ(Selection(), std::make_pair(9L, 9L));
}

TEST_F(EditTextWindow, EditCommandsReachTheFocusedField)
{
    fEdit->SetFocus();
    fEdit->SetSelect(0, 5);
    EXPECT_EQ(XGDispatch::SendDispatch('menu', 5, nullptr), 0);   // cut
    EXPECT_EQ(Text(), " world");
    EXPECT_EQ(XGWindowProc::ProcKeyboardCommon(WM_KEYDOWN, VK_END, 0), 0);
    EXPECT_EQ(XGDispatch::SendDispatch('menu', 7, nullptr), 0);   // paste
    EXPECT_EQ(Text(), " worldhello");
    EXPECT_EQ(XGDispatch::SendDispatch('menu', 16, nullptr), 0);  // select all
    EXPECT_EQ(Selection(), std::make_pair(0L, 11L));
}

}  // namespace
