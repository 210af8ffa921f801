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

// Screen readers and magnifiers follow the system caret: the view keeps a
// hidden one on its drawn caret while it has the focus, and none after.
TEST_F(EditTextWindow, TheSystemCaretFollowsTheDrawnCaretWhileFocused)
{
    struct Step {
        UINT message;
        WPARAM key;
        long offset;    // where the caret is then
    };
    const Step steps[] = {
        {WM_KEYDOWN, VK_END, 11},  {WM_CHAR, 'x', 12},        {WM_KEYDOWN, VK_LEFT, 11},
        {WM_KEYDOWN, VK_LEFT, 10}, {WM_KEYDOWN, VK_HOME, 0},  {WM_CHAR, 'a', 1},
        {WM_KEYDOWN, VK_RIGHT, 2}, {WM_CHAR, '\b', 1},
    };
    fEdit->SetFocus();
    XGEditCore* core = fEdit->GetEditCore();
    const tagRECT frame = core->GetFrame();
    const Point global = fEdit->GetGlobalPos();
    for (const Step& step : steps) {
        SCOPED_TRACE(step.offset);
        XGWindowProc::ProcKeyboardCommon(step.message, step.key, 0);
        ASSERT_EQ(Selection(), std::make_pair(step.offset, step.offset));
        POINT caret = {};
        ASSERT_TRUE(GetCaretPos(&caret));
        // The drawn caret is the pixel column left of the character's edge.
        EXPECT_EQ(caret.x, global.h + frame.left + core->FindPixel(step.offset) - 1);
        EXPECT_EQ(caret.y, global.v + frame.top);
    }
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetGUIThreadInfo(GetCurrentThreadId(), &info));
    EXPECT_EQ(info.hwndCaret, fHwnd);

    fWindow->SetFocus();
    ASSERT_TRUE(GetGUIThreadInfo(GetCurrentThreadId(), &info));
    EXPECT_EQ(info.hwndCaret, nullptr);
}

}  // namespace
