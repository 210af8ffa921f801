#include <gtest/gtest.h>

#include <string>

#include "KeboTestSupport.h"
#include "controls/XGCommands.h"
#include "controls/XGMenu.h"
#include "controls/XGMenuBar.h"
#include "views/XGWindowProc.h"

using namespace kebotest;

namespace {

enum { kFile, kEdit, kSearch, kWindows, kHelp };

class Menus : public ::testing::Test {
protected:
    void SetUp() override
    {
        fApp = new TestApp();
        XGSWindowInitRecord w = WindowRecord(0, "menus", 300, 200);
        fWindow = new XGWindow(w, nullptr);
        XGSViewInitRecord r = ViewRecord(0, 0, 0, 300, 200);
        fRecorder = new Recorder(fWindow, r);
        fRecorder->SetFocus();
        Pump();
        ASSERT_EQ(1, fApp->GetWindowCount());
        fBar = fApp->GetWindowRecord(0).fMenuBar;
        ASSERT_NE(nullptr, fBar);
    }
    void TearDown() override
    {
        delete fWindow;
        delete fApp;
        Pump();
    }

    HMENU Bar() const { return GetMenu(fWindow->GetHWND()); }
    bool TopEnabled(int position) const
    {
        return (GetMenuState(Bar(), UINT(position), MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED)) == 0;
    }
    UINT ItemState(int menu, int position) const
    {
        return GetMenuState(GetSubMenu(Bar(), menu), UINT(position), MF_BYPOSITION);
    }
    bool ItemEnabled(int menu, int position) const
    {
        return (ItemState(menu, position) & (MF_GRAYED | MF_DISABLED)) == 0;
    }

    TestApp* fApp = nullptr;
    XGWindow* fWindow = nullptr;
    Recorder* fRecorder = nullptr;
    XGMenuBar* fBar = nullptr;
};

TEST_F(Menus, TheStandardMenuBarComesFromResource128)
{
    EXPECT_EQ(128, fBar->GetResID());
    EXPECT_EQ(Bar(), fBar->GetMenuHandle());
    ASSERT_EQ(5, fBar->GetLength());
    XGMenu* file = fBar->GetMenu(kFile);
    EXPECT_EQ(12, file->GetLength());
    EXPECT_EQ(101, file->GetItemID(0));
    EXPECT_EQ(0, file->GetItemID(2));   // separator
    EXPECT_EQ(3, file->GetItemID(11));  // Exit
    EXPECT_EQ(1, fBar->GetMenu(kHelp)->GetItemID(0));
    // The frame put the window's item where "Empty" was.
    XGMenu* windows = fBar->GetMenu(kWindows);
    ASSERT_EQ(1, windows->GetLength());
    EXPECT_EQ(0x7000, windows->GetItemID(0));
    char text[64];
    GetMenuStringA(windows->GetMenu(), 0, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ("&1 menus", text);
}

// The resource script cannot use the C++ names, so the two could drift.
TEST_F(Menus, TheStandardMenuItemsCarryTheNamedCommandNumbers)
{
    const struct {
        int menu;
        long item; // position in its menu, separators included
        long command;
        const char* text;
    } cases[] = {
        {kFile, 0, kCmdNew, "&New\tCtrl+N"},
        {kFile, 1, kCmdOpen, "&Open...\tCtrl+O"},
        {kFile, 3, kCmdClose, "&Close\tCtrl+W"},
        {kFile, 4, kCmdSave, "&Save\tCtrl+S"},
        {kFile, 5, kCmdSaveAs, "Save &As..."},
        {kFile, 6, kCmdRevert, "&Revert"},
        {kFile, 8, kCmdPrintSetup, "Prin&t Setup..."},
        {kFile, 9, kCmdPrint, "&Print...\tCtrl+P"},
        {kFile, 11, kCmdQuit, "E&xit"},
        {kEdit, 0, kCmdUndo, "&Undo\tCtrl+Z"},
        {kEdit, 2, kCmdCut, "Cu&t\tCtrl+X"},
        {kEdit, 3, kCmdCopy, "&Copy\tCtrl+C"},
        {kEdit, 4, kCmdPaste, "&Paste\tCtrl+V"},
        {kEdit, 5, kCmdClear, "C&lear"},
        {kEdit, 7, kCmdPreferences, "P&references..."},
        {kSearch, 0, kCmdFind, "&Find...\tCtrl+F"},
        {kSearch, 1, kCmdFindAgain, "&Find Again\tCtrl+G"},
        {kSearch, 2, kCmdReplace, "&Replace\tCtrl+R"},
        {kSearch, 3, kCmdReplaceAndFind, "&Replace and Find\tCtrl+L"},
        {kSearch, 5, kCmdGotoLine, "&Goto Line\tCtrl+T"},
        {kHelp, 0, kCmdAbout, "&About KEBO Application..."},
    };
    for (const auto& c : cases) {
        XGMenu* menu = fBar->GetMenu(c.menu);
        EXPECT_EQ(c.command, menu->GetItemID(c.item)) << c.text;
        char text[64] = {};
        GetMenuStringA(menu->GetMenu(), UINT(c.item), text, sizeof text, MF_BYPOSITION);
        EXPECT_STREQ(c.text, text);
    }
}

TEST_F(Menus, LoadingTheLoadedResourceAgainChangesNothing)
{
    HMENU before = Bar();
    EXPECT_FALSE(fBar->LoadFromResource(128));
    EXPECT_EQ(before, Bar());
}

TEST_F(Menus, ItemsAreEnabledAndCheckedThroughTheDispatchChain)
{
    fRecorder->fEnable = {6};
    fRecorder->fCheck = {7};
    fBar->UpdateMenuBar(fRecorder);

    EXPECT_TRUE(ItemEnabled(kEdit, 3));         // Copy: enabled by the recorder
    EXPECT_FALSE(ItemEnabled(kEdit, 4));        // Paste: checked only
    EXPECT_TRUE(ItemState(kEdit, 4) & MF_CHECKED);  // a mark of 0 still checks
    EXPECT_FALSE(ItemState(kEdit, 3) & MF_CHECKED);
    EXPECT_FALSE(ItemEnabled(kEdit, 1));        // separators are never asked
    EXPECT_TRUE(ItemEnabled(kFile, 11));        // Exit: the application core
    EXPECT_TRUE(ItemEnabled(kWindows, 0));      // the window's item: the frame
    EXPECT_TRUE(TopEnabled(kEdit));
    EXPECT_FALSE(TopEnabled(kSearch));          // nothing in it is enabled

    fRecorder->fEnable = {301};
    fBar->UpdateMenuBar(fRecorder);
    EXPECT_TRUE(TopEnabled(kSearch));
    EXPECT_FALSE(TopEnabled(kEdit));
}

TEST_F(Menus, AnAcceleratorKeyReachesMenuThroughTheFocus)
{
    fRecorder->fEnable = {6};
    fBar->UpdateMenuBar(fRecorder);
    MSG message = {};
    message.hwnd = fWindow->GetHWND();
    message.message = WM_CHAR;
    message.wParam = 3;  // Ctrl+C
    EXPECT_NE(0, XGMenuBar::TranslateAcceleratorA(fWindow->GetHWND(), &message));
    EXPECT_EQ(std::vector<std::string>{"menu 6"}, fRecorder->fLog);

    // Without a main window the key's own top-level window takes the command.
    message.hwnd = fApp->GetWindowRecord(0).fWindow->GetHWND();
    message.wParam = 3;
    EXPECT_NE(0, XGMenuBar::TranslateAcceleratorA(nullptr, &message));
    EXPECT_EQ((std::vector<std::string>{"menu 6", "menu 6"}), fRecorder->fLog);

    message.wParam = 'c';  // no accelerator
    EXPECT_EQ(0, XGMenuBar::TranslateAcceleratorA(fWindow->GetHWND(), &message));
}

TEST_F(Menus, AcceleratorTable128HoldsAsciiControlCharacters)
{
    ACCEL entries[16];
    int count = CopyAcceleratorTableA(XGMenuBar::gAccel, entries, 16);
    ASSERT_EQ(9, count);
    const WORD keys[9][2] = {{14, 101}, {15, 102}, {23, 2}, {19, 13}, {16, 104},
                             {26, 4}, {24, 5}, {3, 6}, {22, 7}};
    for (int i = 0; i < count; ++i) {
        EXPECT_EQ(0, entries[i].fVirt & ~0x80) << i;  // no modifier or virtual-key flags
        EXPECT_EQ(keys[i][0], entries[i].key) << i;
        EXPECT_EQ(keys[i][1], entries[i].cmd) << i;
    }
}

TEST_F(Menus, MenuCommandReportsWhetherAnyoneHandledIt)
{
    fRecorder->fEnable = {6};
    EXPECT_TRUE(fBar->MenuCommand(6));
    EXPECT_FALSE(fBar->MenuCommand(250));
    EXPECT_EQ((std::vector<std::string>{"menu 6", "menu 250"}), fRecorder->fLog);
}

TEST_F(Menus, AWindowsMenuCommandRunsOnTheCurrentMenuBar)
{
    fRecorder->fEnable = {6};
    ASSERT_EQ(fBar, XGWindowProc::GetCurMenu());
    EXPECT_EQ(0, XGWindowProc::ProcXGWindowCommon(fWindow, WM_COMMAND, MAKEWPARAM(6, 0), 0));
    EXPECT_EQ(-1, XGWindowProc::ProcXGWindowCommon(fWindow, WM_COMMAND, MAKEWPARAM(250, 0), 0));
    EXPECT_EQ((std::vector<std::string>{"menu 6", "menu 250"}), fRecorder->fLog);
}

TEST_F(Menus, InsertedItemsCanBecomeSeparatorsAndCarrySignedIDs)
{
    XGMenu* edit = fBar->GetMenu(kEdit);
    long length = edit->GetLength();
    edit->InsertItem(0);
    EXPECT_EQ(length + 1, edit->GetLength());
    EXPECT_EQ(-1, edit->GetItemID(0));
    char text[64];
    GetMenuStringA(edit->GetMenu(), 0, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ("Untitled", text);
    edit->SetItemID(0, -2);
    EXPECT_EQ(-2, edit->GetItemID(0));
    edit->SetText(0, "");
    EXPECT_TRUE(GetMenuState(edit->GetMenu(), 0, MF_BYPOSITION) & MF_SEPARATOR);
    edit->DeleteItem(0);
    EXPECT_EQ(length, edit->GetLength());
    EXPECT_EQ(4, edit->GetItemID(0));
}

TEST_F(Menus, ItemTextsKeepEveryCharacterThroughTheWFunctions)
{
    XGMenu* edit = fBar->GetMenu(kEdit);
    edit->InsertItem(0);
    const struct {
        const char* utf8;
        const wchar_t* shown;
    } cases[] = {
        {"\xCE\xA9mega \xCE\xB1\xCE\xB2", L"\u03A9mega \u03B1\u03B2"},
        {"\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E(&J)", L"\u65E5\u672C\u8A9E(&J)"},
        {"\xF0\x9F\x98\x80 \xC4\x88" "af\xC3\xA9", L"\U0001F600 \u0108af\u00E9"},
    };
    for (const auto& c : cases) {
        edit->SetText(0, c.utf8);
        wchar_t text[64] = L"";
        GetMenuStringW(edit->GetMenu(), 0, text, 64, MF_BYPOSITION);
        EXPECT_EQ(std::wstring(c.shown), std::wstring(text)) << c.utf8;
    }
    edit->DeleteItem(0);
}

TEST_F(Menus, TheLastMenuBarForgetsTheAcceleratorTable)
{
    EXPECT_NE(nullptr, XGMenuBar::gAccel);
    delete fWindow;  // its record and menu bar go with it
    fWindow = nullptr;
    EXPECT_EQ(0, XGMenuBar::gAccelRef);
    EXPECT_EQ(nullptr, XGMenuBar::gAccel);
    MSG message = {};
    message.message = WM_CHAR;
    message.wParam = 3;
    EXPECT_EQ(0, XGMenuBar::TranslateAcceleratorA(nullptr, &message));
}

}  // namespace
