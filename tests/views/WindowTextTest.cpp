// Text crossing into Win32 and back: titles, key events and DDE requests keep
// every character, whatever the system's ANSI code page can hold.
#include "WindowsTestSupport.h"

#include <dde.h>
#include <ddeml.h>

#include <cstring>
#include <string>
#include <vector>

#include "dispatch/XGDispatch.h"
#include "dispatch/XGEventLoop.h"
#include "dispatch/XGGlobals.h"
#include "dispatch/XGMessages.h"
#include "foundation/XGKeys.h"
#include "foundation/XGUtf8.h"
#include "foundation/XGWide.h"
#include "views/XGDDEServer.h"

namespace windowstest {
namespace {

std::wstring Utf16(const std::string& utf8)
{
    std::u16string wide = XGUtf8::ToUtf16(utf8);
    return std::wstring(wide.begin(), wide.end());
}

// Greek, Japanese, an emoji (above U+FFFF) and Latin letters outside code page 1252.
const char* const kTexts[] = {
    "\xCE\xA9mega \xCE\xB1\xCE\xB2\xCE\xB3",
    "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\xE3\x81\xAE\xE3\x83\xA1\xE3\x83\xA2",
    "\xF0\x9F\x98\x80 caf\xC3\xA9 \xE2\x98\x95",
    "\xC4\x88" "af\xC3\xA9",
};

class TitleTest : public WindowTest {};

TEST_F(TitleTest, WindowTitlesKeepEveryCharacterThroughTheWFunctions)
{
    XGSWindowInitRecord r = Window(0x20, 0, 0, 0, 0, 200, 100);
    XGWindow* window = new XGWindow(r, nullptr);
    const HWND hwnd = window->GetHWND();
    EXPECT_TRUE(IsWindowUnicode(hwnd));
    for (const char* text : kTexts) {
        window->SetTitle(text);
        wchar_t shown[256] = L"";
        GetWindowTextW(hwnd, shown, 256);
        EXPECT_EQ(Utf16(text), std::wstring(shown)) << text;
        char title[256];
        window->GetTitle(title);
        EXPECT_STREQ(text, title);
    }
    // Set from outside through the W function, read back as UTF-8.
    SetWindowTextW(hwnd, L"\u0416\u0443\u0440\u043D\u0430\u043B \U0001F4D3");
    char title[256];
    window->GetTitle(title);
    EXPECT_STREQ("\xD0\x96\xD1\x83\xD1\x80\xD0\xBD\xD0\xB0\xD0\xBB \xF0\x9F\x93\x93", title);
}

TEST_F(TitleTest, LongTitleIsCutWhereACharacterEnds)
{
    XGSWindowInitRecord r = Window(0x20, 0, 0, 0, 0, 200, 100);
    XGWindow* window = new XGWindow(r, nullptr);
    std::string kanji;
    for (int i = 0; i < 100; ++i)
        kanji += "\xE6\x97\xA5";
    window->SetTitle(("a" + kanji).c_str());
    char title[256];
    std::memset(title, '#', sizeof title);
    window->GetTitle(title);
    // 255 bytes hold "a" and 84 whole characters, never a piece of the 85th.
    EXPECT_EQ("a" + kanji.substr(0, 84 * 3), std::string(title));
}

// Records each 'keye' with its UTF-8 text, and handles it.
class TextKeyView : public XGView {
public:
    XG_DECLARE_DISPATCH(TextKeyView)
    TextKeyView(XGView* parent, XGSViewInitRecord& record) : XGView(parent, record) {}
    long DoKey(long key, void* data)
    {
        fKeys.push_back(XGKeyCode(key));
        fTexts.push_back(data ? static_cast<const char*>(data) : "<none>");
        return 0;
    }
    std::vector<unsigned short> fKeys;
    std::vector<std::string> fTexts;
};

XG_BEGIN_DISPATCH(TextKeyView, XGView)
    XG_ON(kMsgKey, DoKey)
XG_END_DISPATCH()

class KeyTextTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        XGSWindowInitRecord r = Window(0x20, 0, 0, 0, 0, 300, 200);
        fWindow = new XGWindow(r, nullptr);
        XGSViewInitRecord v = View(1, 10, 10, 50, 50, true);
        fView = new TextKeyView(fWindow, v);
        fView->SetFocus();
    }
    // Posts the units as WM_CHAR messages and lets the event loop take them, as typed keys come.
    void Type(const std::u16string& units)
    {
        for (char16_t unit : units)
            ASSERT_TRUE(PostMessageW(fWindow->GetHWND(), WM_CHAR, WPARAM(unit), 1));
        MSG peek;
        for (int turns = 0; turns < 200 && PeekMessageW(&peek, nullptr, 0, 0, PM_NOREMOVE); ++turns)
            XGEventLoop::GetLoop()->RunOnce(nullptr);
    }
    XGWindow* fWindow = nullptr;
    TextKeyView* fView = nullptr;
};

TEST_F(KeyTextTest, EachCharacterArrivesAsOneKeyEventWithItsUtf8)
{
    Type(u"a\u03A9\u65E5\U0001F600\u00E9\b\r");
    EXPECT_EQ((std::vector<unsigned short>{'a', 0x03A9, 0x65E5, 0xFFFD, 0xE9, kKeyBackspace, kKeyReturn}),
              fView->fKeys);
    EXPECT_EQ((std::vector<std::string>{"a", "\xCE\xA9", "\xE6\x97\xA5", "\xF0\x9F\x98\x80", "\xC3\xA9",
                                        "<none>", "<none>"}),
              fView->fTexts);
}

TEST_F(KeyTextTest, LoneSurrogatesArriveAsTheReplacementCharacter)
{
    Type(std::u16string(u"\xDC00" "x\xD83D" "y", 4));
    EXPECT_EQ((std::vector<std::string>{"\xEF\xBF\xBD", "x", "\xEF\xBF\xBD", "y"}), fView->fTexts);
}

// The DDE server in a Unicode conversation, as the shell's "open" starts one.
class UnicodeDDETest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        XGSWindowInitRecord r = Window(0x20, 0, 0, 0, 0, 100, 100);
        fWindow = new XGWindow(r, nullptr);
        ASSERT_EQ(DMLERR_NO_ERROR, DdeInitializeW(&fInstance, Callback, APPCMD_CLIENTONLY, 0));
        std::strcpy(_GDDEAppName, "KeboTest");
        std::strcpy(_GDDETopicName, "System");
    }
    void TearDown() override
    {
        DdeUninitialize(fInstance);
        _GDDEAppName[0] = _GDDETopicName[0] = 0;
        WindowTest::TearDown();
    }
    static HDDEDATA CALLBACK Callback(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR)
    {
        return nullptr;
    }
    HCONV Connect()
    {
        HSZ s = DdeCreateStringHandleW(fInstance, L"KeboTest", CP_WINUNICODE);
        HSZ t = DdeCreateStringHandleW(fInstance, L"System", CP_WINUNICODE);
        HCONV conversation = DdeConnect(fInstance, s, t, nullptr);
        DdeFreeStringHandle(fInstance, s);
        DdeFreeStringHandle(fInstance, t);
        fApp->fLog.clear();
        return conversation;
    }
    bool Execute(HCONV conversation, const std::wstring& command)
    {
        DWORD result = 0;
        HDDEDATA answer = DdeClientTransaction(
            reinterpret_cast<LPBYTE>(const_cast<wchar_t*>(command.c_str())),
            static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)), conversation, nullptr, 0,
            XTYP_EXECUTE, 10000, &result);
        return answer != nullptr;
    }
    XGWindow* fWindow = nullptr;
    DWORD fInstance = 0;
};

TEST_F(UnicodeDDETest, OpenOfAPathInAnyScriptReachesTheApplicationIntact)
{
    HCONV conversation = Connect();
    ASSERT_NE(nullptr, conversation);
    const std::string paths[] = {
        "C:\\\xE6\x97\xA5\xE6\x9C\xAC\\\xE3\x83\xA1\xE3\x83\xA2.txt",
        "C:\\twins\\\xCE\xA9mega.txt",
        "C:\\\xC4\x88" "af\xC3\xA9\\\xF0\x9F\x98\x80 notes.txt",
    };
    for (const std::string& path : paths) {
        fApp->fLog.clear();
        EXPECT_TRUE(Execute(conversation, Utf16("[open(\"" + path + "\")]"))) << path;
        EXPECT_EQ((std::vector<std::string>{"odoc " + path}), fApp->fLog) << path;
    }
    EXPECT_TRUE(DdeDisconnect(conversation));
}

TEST_F(UnicodeDDETest, PathOf259JapaneseCharactersFitsAndOneMoreIsRefused)
{
    HCONV conversation = Connect();
    ASSERT_NE(nullptr, conversation);
    std::string name;
    for (int i = 0; i < 256; ++i)
        name += "\xE6\x97\xA5";
    EXPECT_TRUE(Execute(conversation, Utf16("[open(C:\\" + name + ")]")));
    EXPECT_FALSE(Execute(conversation, Utf16("[open(C:\\" + name + "\xE6\x97\xA5)]")));
    EXPECT_EQ((std::vector<std::string>{"odoc C:\\" + name}), fApp->fLog);
    EXPECT_TRUE(DdeDisconnect(conversation));
}

}  // namespace
}  // namespace windowstest
