#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "../controls/KeboTestSupport.h"
#include "records/XGAlertForms.h"
#include "controls/XGCommandButton.h"
#include "dialogs/XGDialog.h"
#include "foundation/XGError.h"
#include "controls/XGStaticText.h"

using namespace kebotest;

namespace {

std::string TitleOf(XGView* view)
{
    char text[256];
    view->GetTitle(text);
    return text;
}

std::vector<std::string> TextsOf(XGWindow* window)
{
    std::vector<std::string> texts;
    for (XGView* child = window->GetChild(); child; child = child->GetSibling())
        if (dynamic_cast<XGStaticText*>(child))
            texts.push_back(TitleOf(child));
    return texts;
}

class Dialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        fApp = new TestApp();
        fApp->SetFocus();
    }
    void TearDown() override
    {
        fApp->fOnIdle = nullptr;
        while (XGWindow::gList)
            delete XGWindow::gList;
        _GMainWindow = nullptr;
        delete fApp;
        Pump();
    }

    // Runs `script` on each idle turn of the modal loop that `run` starts,
    // with the turn's number; past 300 turns the front window is closed so
    // that a failing test ends instead of hanging.
    long RunScripted(std::function<long()> run, std::function<void(int, XGWindow*)> script)
    {
        int turn = 0;
        std::function<void()> outer = fApp->fOnIdle;
        fApp->fOnIdle = [&] {
            XGWindow* front = XGWindow::GetFrontWindow();
            if (++turn > 300) {
                if (front)
                    PostMessageA(front->GetHWND(), WM_CLOSE, 0, 0);
                return;
            }
            script(turn, front);
        };
        long result = run();
        fApp->fOnIdle = outer;
        return result;
    }

    TestApp* fApp = nullptr;
};

const char* const kStrings[4] = {"Title text", "Message text", nullptr, nullptr};

struct AlertLayout {
    int type;
    const char* title;
    short okLeft, okTop;
    short cancelLeft;  // 0: no cancel button
};

TEST_F(Dialogs, AlertFormsAreBuiltWithTheirSizesButtonsAndTexts)
{
    const AlertLayout layouts[] = {
        {1, "Error", 254, 86, 0},
        {2, "Caution", 174, 86, 250},  // default and cancel share a row: swapped
        {3, "Warning", 248, 84, 0},
    };
    for (const AlertLayout& layout : layouts) {
        SCOPED_TRACE(layout.title);
        XGDialog* dialog = XGDialog::Create(XGAlertForms::Get(layout.type), XGDialog::AlertProc,
                                            const_cast<char**>(kStrings));
        ASSERT_NE(nullptr, dialog);
        for (Point size : {dialog->MinWindowSize(), dialog->MaxWindowSize(), dialog->ZoomWindowSize()}) {
            EXPECT_EQ(330, size.h);
            EXPECT_EQ(118, size.v);
        }
        // The views fill the client area, whatever frame the system drew.
        RECT client;
        GetClientRect(dialog->GetHWND(), &client);
        EXPECT_EQ(client.right, dialog->GetSize().h);
        EXPECT_EQ(client.bottom, dialog->GetSize().v);
        EXPECT_EQ(layout.title, TitleOf(dialog));
        EXPECT_EQ((std::vector<std::string>{"Title text", "Message text"}), TextsOf(dialog));

        XGView* ok = dialog->FindViewByID(100);
        ASSERT_NE(nullptr, ok);
        EXPECT_EQ(layout.okLeft, ok->GetPos().h);
        EXPECT_EQ(layout.okTop, ok->GetPos().v);
        EXPECT_EQ("OK", TitleOf(ok));
        XGView* cancel = dialog->FindViewByID(101);
        if (layout.cancelLeft) {
            ASSERT_NE(nullptr, cancel);
            EXPECT_EQ(layout.cancelLeft, cancel->GetPos().h);
            EXPECT_EQ("Cancel", TitleOf(cancel));
        } else {
            EXPECT_EQ(nullptr, cancel);
        }
        // The default initialisation: focus on the first tab stop, default button marked.
        EXPECT_EQ(ok, XGDispatch::GetFocus());
        EXPECT_TRUE(static_cast<XGCommandButton*>(ok)->IsDefault());
        dialog->EndDialog(0);  // modeless: gone at once
    }
    EXPECT_EQ(nullptr, XGWindow::gList);
}

TEST_F(Dialogs, AlertTextsInAnyScriptReachTheirViews)
{
    const char* strings[4] = {"\xCE\xA3\xCF\x86\xCE\xAC\xCE\xBB\xCE\xBC\xCE\xB1 \xF0\x9F\x98\x80",
                              "\xE3\x83\x95\xE3\x82\xA1\xE3\x82\xA4\xE3\x83\xAB\xE3\x82\x92\xE9\x96\x8B"
                              "\xE3\x81\x91\xE3\x81\xBE\xE3\x81\x9B\xE3\x82\x93",
                              nullptr, nullptr};
    XGDialog* dialog = XGDialog::Create(XGAlertForms::Get(1), XGDialog::AlertProc, const_cast<char**>(strings));
    ASSERT_NE(nullptr, dialog);
    EXPECT_TRUE(IsWindowUnicode(dialog->GetHWND()));
    EXPECT_EQ((std::vector<std::string>{strings[0], strings[1]}), TextsOf(dialog));
    dialog->EndDialog(0);
}

struct KeyCase {
    int type;
    UINT message;
    WPARAM key;
    long result;
};

TEST_F(Dialogs, EnterAndEscapePressTheDefaultAndCancelButtons)
{
    const KeyCase cases[] = {
        {2, WM_CHAR, VK_RETURN, 100},
        {2, WM_KEYDOWN, VK_ESCAPE, 101},
        {1, WM_CHAR, VK_RETURN, 100},
        {3, WM_CHAR, VK_RETURN, 100},
    };
    for (const KeyCase& c : cases) {
        long result = RunScripted(
            [&] { return XGDialog::ModalAlert(XGAlertForms::Get(c.type), "t", "m", nullptr, nullptr); },
            [&](int turn, XGWindow* front) {
                if (turn == 2)
                    PostMessageA(front->GetHWND(), c.message, c.key, 0);
            });
        EXPECT_EQ(c.result, result) << "type " << c.type << " key " << c.key;
    }
}

TEST_F(Dialogs, EscapeDoesNothingInTheErrorAlertAndClosingAnswersZero)
{
    int turnsAfterEscape = 0;
    long result = RunScripted(
        [&] { return XGDialog::ModalAlert(XGAlertForms::Get(1), "t", "m", nullptr, nullptr); },
        [&](int turn, XGWindow* front) {
            if (turn == 2)
                PostMessageA(front->GetHWND(), WM_KEYDOWN, VK_ESCAPE, 0);
            if (turn > 2)
                ++turnsAfterEscape;
            if (turn == 6)
                PostMessageA(front->GetHWND(), WM_CLOSE, 0, 0);
        });
    EXPECT_EQ(0, result);
    EXPECT_GE(turnsAfterEscape, 3);  // the alert outlived the Escape
}

TEST_F(Dialogs, PostedErrorsShowTheirAlertWithTitleAndMessage)
{
    struct Shown { std::string window; std::vector<std::string> texts; };
    auto show = [&](std::function<void()> display, WPARAM key, UINT message) {
        Shown shown;
        RunScripted([&] { display(); return 0L; },
                    [&](int turn, XGWindow* front) {
                        if (turn == 2) {
                            shown.window = TitleOf(front);
                            shown.texts = TextsOf(front);
                            PostMessageA(front->GetHWND(), message, key, 0);
                        }
                    });
        return shown;
    };

    Shown error = show([] { Error(kErrWindowNotBuilt); }, VK_RETURN, WM_CHAR);
    EXPECT_EQ("Error", error.window);
    EXPECT_EQ((std::vector<std::string>{"Window not built",
                                        "Internal software error: the window was not built for this single window application."}),
              error.texts);

    Shown warning = show([] { Warning(kErrNoViewFactory, 'zzzz'); }, VK_RETURN, WM_CHAR);
    EXPECT_EQ("Warning", warning.window);
    EXPECT_EQ((std::vector<std::string>{"Unable to create view",
                                        "Internal software error: the view factory for 'zzzz' was not found."}),
              warning.texts);

    auto caution = [] {
        XGPostError e(kErrFileOverwrite, "x.txt");
        e.SetAlertType(kAlertCaution);
        e.DisplayError();
    };
    Shown refused = show(caution, VK_ESCAPE, WM_KEYDOWN);
    EXPECT_EQ("Caution", refused.window);
    EXPECT_EQ("The file x.txt already exists. Do you wish to replace it?", refused.texts.at(1));
    EXPECT_TRUE(XGPostError::gResult);
    show(caution, VK_RETURN, WM_CHAR);
    EXPECT_FALSE(XGPostError::gResult);
}

struct ProcLog {
    std::vector<std::string> log;
    long endWith = -1;       // EndDialog with this while answering 'dmsg' 2
};

long LoggingProc(XGDialog* dialog, void* userData, long msg, long arg, void* data)
{
    ProcLog* p = static_cast<ProcLog*>(userData);
    if (msg == 'dmsg') {
        p->log.push_back("dmsg " + std::to_string(arg));
        if (arg == 2 && p->endWith >= 0) {
            dialog->EndDialog(p->endWith);
            return 0;
        }
        return -1;
    }
    return XGDialog::AlertProc(dialog, const_cast<char**>(kStrings), msg, arg, data);
}

// Trees in the test's resources (dialogs_test.rc).
enum : short { kQuestionID = 130, kPlainWindowID = 131, kMissingID = 4321 };

TEST_F(Dialogs, AnAlertRunsFromItsResourceIDWithItsStringsFilledIn)
{
    const KeyCase cases[] = {
        {0, WM_CHAR, VK_RETURN, 1},
        {0, WM_KEYDOWN, VK_ESCAPE, 2},
    };
    for (const KeyCase& c : cases) {
        std::string title;
        std::vector<std::string> texts;
        long result = RunScripted(
            [&] { return XGDialog::ModalAlert(kQuestionID, "notes.txt", "closing"); },
            [&](int turn, XGWindow* front) {
                if (turn == 2) {
                    title = TitleOf(front);
                    texts = TextsOf(front);
                    PostMessageA(front->GetHWND(), c.message, c.key, 0);
                }
            });
        EXPECT_EQ(c.result, result) << c.key;
        EXPECT_EQ("About notes.txt", title);
        EXPECT_EQ((std::vector<std::string>{"Save notes.txt before closing?"}), texts);
        EXPECT_EQ(nullptr, XGWindow::gList);
    }
}

TEST_F(Dialogs, ADialogCreatedFromItsResourceIDIsSetUpAsFromAForm)
{
    ProcLog p;
    XGDialog* dialog = XGDialog::Create(kQuestionID, LoggingProc, &p);
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ((std::vector<std::string>{"dmsg 2"}), p.log);
    EXPECT_EQ(1, dialog->GetDefaultID());
    EXPECT_EQ(2, dialog->GetCancelID());
    // Default and cancel share a row: the default button is shown on the left.
    EXPECT_EQ(144, dialog->FindViewByID(1)->GetPos().h);
    EXPECT_EQ(220, dialog->FindViewByID(2)->GetPos().h);
    EXPECT_FALSE(dialog->IsModal());
    delete dialog;
    EXPECT_EQ(nullptr, XGWindow::gList);
}

TEST_F(Dialogs, AMissingResourceIsNamedAndATreeThatIsNoDialogBuildsNothing)
{
    try {
        XGDialog::ModalAlert(kMissingID, "x");
        ADD_FAILURE() << "ran";
    } catch (const XGPostError&) {
        EXPECT_NE(std::string(XGPostError::gLMessage).find("No VRES resource 4321"), std::string::npos)
            << XGPostError::gLMessage;
    }
    EXPECT_EQ(nullptr, XGWindow::gList);
    EXPECT_EQ(nullptr, XGDialog::Create(kPlainWindowID, nullptr, nullptr));
    EXPECT_EQ(0, XGDialog::ModalAlert(kPlainWindowID, "x"));
    EXPECT_EQ(nullptr, XGWindow::gList);
}

TEST_F(Dialogs, AProcedureEndingTheDialogWhileItIsSetUpLeavesNothing)
{
    ProcLog p;
    p.endWith = 7;
    EXPECT_EQ(nullptr, XGDialog::Create(XGAlertForms::Get(1), LoggingProc, &p));
    EXPECT_EQ((std::vector<std::string>{"dmsg 2", "dmsg 1"}), p.log);
    EXPECT_EQ(nullptr, XGWindow::gList);
    p.log.clear();
    EXPECT_EQ(0, XGDialog::ModalDialog(XGAlertForms::Get(2), LoggingProc, &p));
    EXPECT_EQ(nullptr, XGWindow::gList);
}

TEST_F(Dialogs, AModalDialogDisablesTheMainWindowAndItsOwner)
{
    XGSWindowInitRecord r = WindowRecord(0, "main", 200, 120, -1);
    XGWindow* main = new XGWindow(r, nullptr);
    _GMainWindow = main->GetHWND();
    fApp->SetFocus();

    bool mainDuringOuter = true, mainDuringInner = true, outerDuringInner = true;
    bool outerAfterInner = false, mainAfterInner = true, modalAfterInner = false;
    long innerResult = -1;
    HWND outer = nullptr;
    long result = RunScripted(
        [&] { return XGDialog::ModalAlert(XGAlertForms::Get(1), "outer", "m", nullptr, nullptr); },
        [&](int turn, XGWindow* front) {
            if (turn == 2) {
                outer = front->GetHWND();
                mainDuringOuter = IsWindowEnabled(_GMainWindow);
                // Started inside the outer loop's turn: the outer dialog owns it.
                innerResult = RunScripted(
                    [&] { return XGDialog::ModalAlert(XGAlertForms::Get(1), "inner", "m", nullptr, nullptr); },
                    [&](int innerTurn, XGWindow* innerFront) {
                        if (innerTurn == 2) {
                            mainDuringInner = IsWindowEnabled(_GMainWindow);
                            outerDuringInner = IsWindowEnabled(outer);
                            PostMessageA(innerFront->GetHWND(), WM_CHAR, VK_RETURN, 0);
                        }
                    });
                outerAfterInner = IsWindowEnabled(outer);
                mainAfterInner = IsWindowEnabled(_GMainWindow);
                modalAfterInner = fApp->GetModalWindow() == front;
            }
            // A turn later, when the focus is back in the outer dialog.
            if (turn == 4)
                PostMessageA(outer, WM_CHAR, VK_RETURN, 0);
        });
    EXPECT_EQ(100, result);
    EXPECT_EQ(100, innerResult);
    EXPECT_FALSE(mainDuringOuter);
    EXPECT_FALSE(mainDuringInner);
    EXPECT_FALSE(outerDuringInner);
    EXPECT_TRUE(outerAfterInner);
    EXPECT_FALSE(mainAfterInner);  // the outer dialog still runs
    EXPECT_TRUE(modalAfterInner);  // and keeps the menu bar behind it out of reach
    EXPECT_TRUE(IsWindowEnabled(_GMainWindow));
    delete main;
}

long DestroyingProc(XGDialog* dialog, void* userData, long msg, long arg, void* data)
{
    int* turns = static_cast<int*>(userData);
    if (msg == 'dmsg' && arg == XGDialog::kDialogIdle && ++*turns == 3)
        DestroyWindow(dialog->GetHWND());  // the window goes from outside the dialog
    if (msg == 'dmsg')
        return -1;
    return XGDialog::AlertProc(dialog, const_cast<char**>(kStrings), msg, arg, data);
}

TEST_F(Dialogs, AModalDialogDestroyedFromOutsideEndsItsLoop)
{
    int turns = 0;
    EXPECT_EQ(0, XGDialog::ModalDialog(XGAlertForms::Get(1), DestroyingProc, &turns));
    EXPECT_EQ(3, turns);
    EXPECT_EQ(nullptr, XGWindow::gList);
}

// Counts the clicks sent to the buttons of this thread while it lives.
class ClickCounter {
public:
    ClickCounter() : fHook(SetWindowsHookExA(WH_CALLWNDPROC, Count, nullptr, GetCurrentThreadId()))
    {
        gClicks = 0;
    }
    ~ClickCounter() { UnhookWindowsHookEx(fHook); }
    ClickCounter(const ClickCounter&) = delete;
    ClickCounter& operator=(const ClickCounter&) = delete;
    int Clicks() const { return gClicks; }

private:
    static LRESULT CALLBACK Count(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == HC_ACTION && reinterpret_cast<const CWPSTRUCT*>(lParam)->message == BM_CLICK)
            ++gClicks;
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static int gClicks;
    HHOOK fHook;
};
int ClickCounter::gClicks = 0;

// The keys are its own: without them a dialog opened from a tree alone
// could not be used from the keyboard. Everything else it swallows.
TEST_F(Dialogs, ADialogWithoutProcedureAnswersItsKeysAndSwallowsTheRest)
{
    XGDialog* dialog = XGDialog::Create(XGAlertForms::Get(2), nullptr, nullptr);
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ((std::vector<std::string>{"^0", "^1"}), TextsOf(dialog));  // nobody fills them
    {
        ClickCounter counter;
        EXPECT_EQ(0, dialog->DoDispatch('keye', VK_RETURN, nullptr, true));
        EXPECT_EQ(1, counter.Clicks());
        EXPECT_EQ(0, dialog->DoDispatch('keye', long(0x80000000UL | 0x8A), nullptr, true));
        EXPECT_EQ(2, counter.Clicks());
    }
    XGView* first = dialog->FindFirstView();
    ASSERT_NE(nullptr, first);
    dialog->SetFocus();
    EXPECT_EQ(0, dialog->DoDispatch('keye', 9, nullptr, true));
    EXPECT_EQ(first, XGDispatch::GetFocus());
    EXPECT_EQ(0, dialog->DoDispatch('cclk', 100, nullptr, true));
    EXPECT_FALSE(dialog->IsDone());
    EXPECT_TRUE(dialog->CloseWindow());
    EXPECT_EQ(nullptr, XGWindow::gList);
}

// Tab order in the alerts: the buttons by view ID, wrapping at both ends,
// with the procedure in place and without one.
TEST_F(Dialogs, TabAndShiftTabVisitTheAlertButtonsByViewIDAndWrap)
{
    struct Case {
        XGDialogProc proc;
        long key;
        std::vector<short> visited;
    };
    const char* strings[4] = {"title", "message", nullptr, nullptr};
    const Case cases[] = {
        {XGDialog::AlertProc, 9, {100, 101, 100}},
        {XGDialog::AlertProc, long(0x00010000UL | 9), {101, 100, 101}},
        {nullptr, 9, {100, 101, 100}},
        {nullptr, long(0x00010000UL | 9), {101, 100, 101}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        XGDialog* dialog = XGDialog::Create(XGAlertForms::Get(2), c.proc, strings);
        ASSERT_NE(nullptr, dialog);
        dialog->SetFocus();
        std::vector<short> visited;
        for (size_t i = 0; i < c.visited.size(); ++i) {
            XGDispatch::SendDispatch('keye', c.key, nullptr);
            XGView* focus = dynamic_cast<XGView*>(XGDispatch::GetFocus());
            visited.push_back(focus ? focus->GetViewID() : short(-1));
        }
        EXPECT_EQ(c.visited, visited);
        EXPECT_TRUE(dialog->CloseWindow());
    }
}

// Zeroes its memory when deleted and keeps it, so that a read after the
// delete finds a dialog that is not done, with no class behind it.
class PoisonedDialog : public XGDialog {
public:
    using XGDialog::XGDialog;
    static void operator delete(void* memory, std::size_t size) { std::memset(memory, 0, size); }
};

Args DialogArgs(const char* title)
{
    Args a;
    a.Int('dlog').Int(1).Int(0).Bool(true);
    a.Int(40).Int(40).Int(240).Int(140);
    for (int i = 0; i < 8; ++i)
        a.Int(0);           // no size limits, defaults or zoom
    a.Str(title).Int(0);
    a.Int(0).Int(0);        // no default or cancel button
    return a;
}

long EndingProc(XGDialog* dialog, void*, long msg, long, void*)
{
    if (msg == 'tend')
        dialog->EndDialog(5);
    return -1;
}

TEST_F(Dialogs, AModelessDialogItsProcedureEndsIsNotReadAfterwards)
{
    Args args = DialogArgs("Ending");
    XGArgStream stream = args.Stream();
    XGDialog* dialog = XGDialog::CreateInit(new PoisonedDialog(stream, nullptr), EndingProc, nullptr);
    ASSERT_NE(nullptr, dialog);
    HWND native = dialog->GetHWND();
    // Handled where it ended the dialog: not passed on up from the dead one.
    EXPECT_EQ(0, dialog->DoDispatch('tend', 0, nullptr, true));
    EXPECT_FALSE(IsWindow(native));
    EXPECT_EQ(nullptr, XGWindow::gList);
}

long FailingDestroyProc(XGDialog*, void*, long msg, long arg, void*)
{
    if (msg == 'dmsg' && arg == XGDialog::kDialogDestroy)
        throw testsupport::CountedError();
    return -1;
}

TEST_F(Dialogs, AProcedureFailingAsTheDialogIsDestroyedIsShown)
{
    XGDialog* dialog = XGDialog::Create(XGAlertForms::Get(1), FailingDestroyProc, nullptr);
    ASSERT_NE(nullptr, dialog);
    HWND native = dialog->GetHWND();
    testsupport::CountedError::gShown = 0;
    delete dialog;
    EXPECT_EQ(1, testsupport::CountedError::gShown);
    EXPECT_FALSE(IsWindow(native));
    EXPECT_EQ(nullptr, XGWindow::gList);
}

}  // namespace
