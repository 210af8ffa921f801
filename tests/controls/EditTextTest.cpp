// The editable text view with real windows: typing through 'keye', the
// filters, the length limit, validation by the parents, the Edit menu
// commands with the system clipboard, mouse selection and drawing.
#include <gtest/gtest.h>

#include <algorithm>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "ViewsTestHost.h"
#include "records/XGArgStream.h"
#include "../support/TestRecord.h"
#include "views/XGDraw.h"
#include "controls/XGEditCore.h"
#include "controls/XGEditText.h"
#include "dispatch/XGMenuStatus.h"
#include "views/XGPalette.h"
#include "foundation/XGPostError.h"
#include "controls/XGScrollBar.h"
#include "controls/XGScrollView.h"
#include "controls/XGTabMeasure.h"
#include "controls/XGTextEngine.h"
#include "views/XGFont.h"
#include "dispatch/XGTime.h"
#include "foundation/XGKeys.h"
#include "foundation/XGUtf8.h"

using viewstest::Host;

namespace {

const long kFrameworkKey = 0x8000;
const short kShift = 0x0001;
const short kDoubleClick = 0x1000;
const short kCaptured = 0x2000;

using testsupport::Record;

struct EditOptions {
    std::string text;
    long maxLength = 0;
    long filter = 0;
    bool password = false;
    bool wrap = false;
    bool noMargin = false;
    bool multiLine = true;
    short font = 2;
    short width = 200;
    short height = 60;
};

// A parent that answers 'kclk': it rejects a text when told to and keeps
// what it was asked.
class Judge : public XGView {
public:
    XG_DECLARE_DISPATCH(Judge)
    Judge(XGView* parent, const XGSViewInitRecord& record) : XGView(parent, record) {}
    void DoDrawView(tagRECT) override {}
    long DoCheck(long arg, void* data)
    {
        fAsked.push_back(std::to_string(arg) + ":" + static_cast<const char*>(data));
        return fReject ? 1 : 0;
    }
    bool fReject = false;
    std::vector<std::string> fAsked;
};

XG_BEGIN_DISPATCH(Judge, XGView)
    XG_ON('kclk', DoCheck)
XG_END_DISPATCH()

class EditText : public testing::Test {
protected:
    void SetUp() override
    {
        fRoot = viewstest::MakeRoot(Host::Shared());
        fJudge = new Judge(fRoot, viewstest::Fill(1));
    }
    void TearDown() override
    {
        fRoot->SetFocus();
        delete fRoot;
    }

    XGEditText* Make(const EditOptions& o, XGView* parent = nullptr)
    {
        Record r;
        r.Int('edit').Int(7).Int(0).Bool(true).Bool(true).Bool(false).Bool(false);
        r.Int(10).Int(10).Int(10 + o.width).Int(10 + o.height).Bool(true).Bool(true).Bool(true);
        r.Str(o.text).Int(o.font).Int(o.maxLength).Int(o.filter).Bool(o.password).Bool(o.wrap);
        r.Bool(false).Bool(o.noMargin).Int(0).Bool(o.multiLine);
        XGArgStream stream = r.Stream();
        return new XGEditText(parent ? parent : fJudge, stream);
    }
    static std::string Text(XGEditText* edit)
    {
        return std::string(*edit->GetTextHandle(), edit->GetTextHandle().GetSize());
    }
    static long Type(XGEditText* edit, const std::string& keys)
    {
        long answer = 0;
        for (char c : keys)
            answer = edit->DoDispatch('keye', (unsigned char)c, nullptr, false);
        return answer;
    }
    static long Key(XGEditText* edit, long code, long modifiers = 0)
    {
        return edit->DoDispatch('keye', ((kFrameworkKey | modifiers) << 16) | code, nullptr, false);
    }
    static void Select(XGEditText* edit, long start, long end) { edit->SetSelect(start, end); }
    static std::pair<long, long> Selection(XGEditText* edit)
    {
        long start, end;
        edit->GetSelect(&start, &end);
        return {start, end};
    }
    // The local point on the left edge of the character at offset (a click
    // on a character's left half puts the caret before it), mid-line.
    static Point PointAt(XGEditText* edit, long offset, int dx = 0)
    {
        XGEditCore* core = edit->GetEditCore();
        tagRECT frame = core->GetFrame();
        long line = core->FindLine(offset);
        long h = frame.left + core->FindPixel(offset) + dx;
        long v = frame.top + line * core->GetPixelStep() + core->GetPixelStep() / 2;
        return Point{short(v), short(h)};
    }

    XGView* fRoot = nullptr;
    Judge* fJudge = nullptr;
};

void PutClipboard(const std::string& text)
{
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    SetClipboardData(CF_TEXT, block);
    CloseClipboard();
}

std::string GetClipboard()
{
    std::string text;
    if (!OpenClipboard(nullptr))
        return "<no clipboard>";
    HANDLE data = GetClipboardData(CF_TEXT);
    if (data) {
        text = static_cast<const char*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

TEST_F(EditText, TypingInsertsAtTheCaretAndBackspaceDeletes)
{
    EditOptions o;
    o.text = "ac";
    XGEditText* edit = Make(o);
    edit->SetFocus();
    Select(edit, 1, 1);
    EXPECT_EQ(Type(edit, "b"), 0);
    EXPECT_EQ(Text(edit), "abc");
    EXPECT_EQ(Selection(edit), std::make_pair(2L, 2L));
    Type(edit, "\b\b");
    EXPECT_EQ(Text(edit), "c");
    Type(edit, "\b");   // at offset 0: nothing
    EXPECT_EQ(Text(edit), "c");
    Select(edit, 0, 1);
    Type(edit, "\b");   // a selection goes, nothing more
    EXPECT_EQ(Text(edit), "");
}

TEST_F(EditText, ReturnIsALineFeedInAreasAndLeftToTheWindowInFields)
{
    EditOptions area;
    area.text = "ab";
    XGEditText* multi = Make(area);
    Select(multi, 1, 1);
    EXPECT_EQ(Type(multi, "\r"), 0);
    EXPECT_EQ(Text(multi), "a\nb");
    EXPECT_EQ(multi->GetEditCore()->GetNumLines(), 2);
    EXPECT_EQ(Type(multi, "\t"), -1);

    EditOptions field = area;
    field.multiLine = false;
    XGEditText* single = Make(field);
    EXPECT_EQ(Type(single, "\r"), -1);
    EXPECT_EQ(Type(single, "\t"), -1);
    EXPECT_EQ(Text(single), "ab");
}

TEST_F(EditText, DeleteKeyRemovesTheCharacterBeforeTheCaret)
{
    EditOptions o;
    o.text = "abc";
    XGEditText* edit = Make(o);
    Select(edit, 2, 2);
    EXPECT_EQ(Key(edit, 0x85), 0);
    EXPECT_EQ(Text(edit), "ac");
}

TEST_F(EditText, HomeAndEndGoToTheEndsOfTheWholeText)
{
    EditOptions o;
    o.text = "one\ntwo\nthree";
    XGEditText* edit = Make(o);
    Select(edit, 5, 5);
    Key(edit, 0x87);
    EXPECT_EQ(Selection(edit), std::make_pair(13L, 13L));
    Key(edit, 0x86);
    EXPECT_EQ(Selection(edit), std::make_pair(0L, 0L));
    EXPECT_EQ(Key(edit, 0x99), -1);
}

TEST_F(EditText, VerticalMovesKeepTheirColumnAcrossShortLines)
{
    EditOptions o;
    o.text = "abcdef\nab\nabcdef";
    XGEditText* edit = Make(o);
    Select(edit, 5, 5);
    Key(edit, 0x81);
    EXPECT_EQ(Selection(edit), std::make_pair(9L, 9L));     // end of the short line
    Key(edit, 0x81);
    EXPECT_EQ(Selection(edit), std::make_pair(15L, 15L));   // back in column 5
    Key(edit, 0x81);
    EXPECT_EQ(Selection(edit), std::make_pair(16L, 16L));   // last line: text end
    Select(edit, 3, 3);
    Key(edit, 0x80);
    EXPECT_EQ(Selection(edit), std::make_pair(0L, 0L));     // line 0: offset 0
}

TEST_F(EditText, ShiftArrowsGrowTheSelectionAtTheirOwnEnd)
{
    EditOptions o;
    o.text = "abcdef";
    XGEditText* edit = Make(o);
    Select(edit, 2, 4);
    Key(edit, 0x82, kShift);
    EXPECT_EQ(Selection(edit), std::make_pair(1L, 4L));
    Key(edit, 0x83, kShift);
    EXPECT_EQ(Selection(edit), std::make_pair(1L, 5L));
    Key(edit, 0x82);
    EXPECT_EQ(Selection(edit), std::make_pair(1L, 1L));
}

struct FilterCase {
    long filter;
    const char* typed;
    const char* result;
};

TEST_F(EditText, FiltersSwallowRefusedCharacters)
{
    const FilterCase cases[] = {
        {0, "a1-. ", "a1-. "}, {1, "a1-. Z", "a1Z"}, {2, "fg0x9A", "f09A"},
        {3, "1a2-3", "123"},   {4, "1a+2.", "1+2"},  {5, "1a.+2", "1.+2"},
        {9, "?!", "?!"}};
    for (const FilterCase& c : cases) {
        EditOptions o;
        o.filter = c.filter;
        XGEditText* edit = Make(o);
        for (const char* p = c.typed; *p; ++p)
            EXPECT_EQ(Type(edit, std::string(1, *p)), 0) << "filter " << c.filter << " key " << *p;
        std::string text = Text(edit);
        delete edit;
        // filters 4 and 5 also validate: the signs typed above came after
        // the first character and were taken back
        if (c.filter == 4)
            EXPECT_EQ(text, "12") << "filter 4";
        else if (c.filter == 5)
            EXPECT_EQ(text, "1.2") << "filter 5";
        else
            EXPECT_EQ(text, c.result) << "filter " << c.filter;
    }
}

TEST_F(EditText, SignsOnlyLeadAndOnePointAtMost)
{
    EditOptions o;
    o.filter = 5;
    o.text = "12";
    XGEditText* edit = Make(o);
    Select(edit, 0, 0);
    Type(edit, "-");
    EXPECT_EQ(Text(edit), "-12");
    Select(edit, 3, 3);
    Type(edit, ".5.");
    EXPECT_EQ(Text(edit), "-12.5");
    EXPECT_EQ(Selection(edit), std::make_pair(5L, 5L));   // the rejected key moved nothing
    Select(edit, 1, 1);
    Type(edit, "+");
    EXPECT_EQ(Text(edit), "-12.5");
}

TEST_F(EditText, PastedTextMeetsOnlyTheValidationOfItsFilter)
{
    struct Row {
        long filter;
        const char* pasted;
        const char* result;
    };
    const Row rows[] = {{4, "1.2.3", "1.2.3"}, {5, "1.2.3", ""}, {5, "-1.5", "-1.5"},
                        {4, "1-2", ""},        {3, "x+y", "x+y"}};
    for (const Row& row : rows) {
        EditOptions o;
        o.filter = row.filter;
        XGEditText* edit = Make(o);
        PutClipboard(row.pasted);
        edit->DoDispatch('menu', 7, nullptr, false);
        EXPECT_EQ(Text(edit), row.result) << "filter " << row.filter << " " << row.pasted;
        delete edit;
    }
}

TEST_F(EditText, LengthLimitStopsTypingButNotPasting)
{
    EditOptions o;
    o.maxLength = 5;
    o.text = "abcde";
    XGEditText* edit = Make(o);
    Select(edit, 5, 5);
    EXPECT_EQ(Type(edit, "f"), 0);
    EXPECT_EQ(Text(edit), "abcde");
    Select(edit, 1, 2);
    Type(edit, "X");
    EXPECT_EQ(Text(edit), "aXcde");
    PutClipboard("123456");
    Select(edit, 5, 5);
    EXPECT_EQ(edit->DoDispatch('menu', 7, nullptr, false), 0);
    EXPECT_EQ(Text(edit), "aXcde123456");
}

TEST_F(EditText, ParentsSeeEveryChangeAndMayRejectIt)
{
    EditOptions o;
    o.text = "ab";
    XGEditText* edit = Make(o);
    Select(edit, 2, 2);
    Type(edit, "c");
    ASSERT_EQ(fJudge->fAsked, std::vector<std::string>{"7:abc"});
    fJudge->fReject = true;
    Type(edit, "d");
    EXPECT_EQ(Text(edit), "abc");
    PutClipboard("zz");
    edit->DoDispatch('menu', 7, nullptr, false);
    EXPECT_EQ(Text(edit), "abc");
    Select(edit, 0, 3);
    edit->DoDispatch('menu', 8, nullptr, false);
    EXPECT_EQ(Text(edit), "abc");
    fJudge->fReject = false;
    edit->DoDispatch('menu', 8, nullptr, false);
    EXPECT_EQ(Text(edit), "");
}

TEST_F(EditText, CopyPutsCarriageReturnLineFeedOnTheClipboard)
{
    EditOptions o;
    o.text = "xa\nby";
    XGEditText* edit = Make(o);
    Select(edit, 1, 4);
    EXPECT_EQ(edit->DoDispatch('menu', 6, nullptr, false), 0);
    EXPECT_EQ(GetClipboard(), "a\r\nb");
    EXPECT_EQ(Text(edit), "xa\nby");
    edit->DoDispatch('menu', 5, nullptr, false);
    EXPECT_EQ(Text(edit), "xy");
    EXPECT_EQ(GetClipboard(), "a\r\nb");
}

TEST_F(EditText, PasteTurnsLineEndsIntoLineFeeds)
{
    EditOptions o;
    o.text = "[]";
    XGEditText* edit = Make(o);
    Select(edit, 1, 1);
    PutClipboard("1\r\n2\r3\n4");
    edit->DoDispatch('menu', 7, nullptr, false);
    EXPECT_EQ(Text(edit), "[1\n2\n3\n4]");
    EXPECT_EQ(edit->GetEditCore()->GetNumLines(), 4);
    EXPECT_EQ(Selection(edit), std::make_pair(8L, 8L));
}

TEST_F(EditText, PasteWithoutClipboardTextDeletesTheSelection)
{
    EditOptions o;
    o.text = "abc";
    XGEditText* edit = Make(o);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    Select(edit, 0, 2);
    edit->DoDispatch('menu', 7, nullptr, false);
    EXPECT_EQ(Text(edit), "c");
}

// Holds the clipboard open from another thread, as clipboard managers and
// remote desktops do, until it goes out of scope.
class ClipboardHolder {
public:
    ClipboardHolder()
        : fOpened(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
          fRelease(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
          fThread(CreateThread(nullptr, 0, Hold, this, 0, nullptr))
    {
        WaitForSingleObject(fOpened, 5000);
    }
    ~ClipboardHolder()
    {
        SetEvent(fRelease);
        WaitForSingleObject(fThread, 5000);
        CloseHandle(fThread);
        CloseHandle(fRelease);
        CloseHandle(fOpened);
    }
    bool fHeld = false;

private:
    static DWORD WINAPI Hold(void* self)
    {
        ClipboardHolder* holder = static_cast<ClipboardHolder*>(self);
        // Opened for a window of its own: the clipboard belongs to that window.
        HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                      nullptr, nullptr);
        holder->fHeld = window && OpenClipboard(window);
        SetEvent(holder->fOpened);
        WaitForSingleObject(holder->fRelease, INFINITE);
        if (holder->fHeld)
            CloseClipboard();
        if (window)
            DestroyWindow(window);
        return 0;
    }
    HANDLE fOpened;
    HANDLE fRelease;
    HANDLE fThread;
};

TEST_F(EditText, CutAndPasteChangeNothingWhileAnotherProgramHoldsTheClipboard)
{
    EditOptions o;
    o.text = "keep me";
    XGEditText* edit = Make(o);
    PutClipboard("theirs");
    Select(edit, 0, 5);
    {
        ClipboardHolder holder;
        ASSERT_TRUE(holder.fHeld);
        bool said = false;
        try {
            edit->DoDispatch('menu', 5, nullptr, false);
        } catch (const XGPostError& error) {
            char title[256];
            error.GetShortError(title);
            said = std::string(title) == "Clipboard Error";
        }
        EXPECT_TRUE(said);
        EXPECT_EQ(Text(edit), "keep me");
        EXPECT_EQ(Selection(edit), std::make_pair(0L, 5L));
        EXPECT_EQ(edit->DoDispatch('menu', 7, nullptr, false), 0);
        EXPECT_EQ(Text(edit), "keep me");
        EXPECT_EQ(Selection(edit), std::make_pair(0L, 5L));
    }
    EXPECT_EQ(GetClipboard(), "theirs");
    edit->DoDispatch('menu', 5, nullptr, false);
    EXPECT_EQ(Text(edit), "me");
    EXPECT_EQ(GetClipboard(), "keep ");
}

TEST_F(EditText, MenuStatusFollowsTheSelectionAndThePasswordFlag)
{
    struct Row {
        bool password;
        long start, end;
        long command;
        bool enabled;
    };
    const Row rows[] = {{false, 0, 0, 5, false}, {false, 0, 2, 5, true},  {false, 0, 2, 6, true},
                        {false, 1, 1, 8, false}, {false, 1, 2, 8, true},  {false, 1, 1, 7, true},
                        {false, 1, 1, 16, true}, {true, 0, 2, 5, false},  {true, 0, 2, 6, false},
                        {true, 0, 2, 7, true},   {true, 0, 2, 8, true}};
    for (const Row& row : rows) {
        EditOptions o;
        o.text = "abc";
        o.password = row.password;
        XGEditText* edit = Make(o);
        Select(edit, row.start, row.end);
        XGMenuStatus status;
        status.enabled = !row.enabled;
        EXPECT_EQ(edit->DoDispatch('stat', row.command, &status, false), 0);
        EXPECT_EQ(status.enabled, row.enabled) << "command " << row.command;
        delete edit;
    }
    EditOptions o;
    XGEditText* edit = Make(o);
    XGMenuStatus status;
    EXPECT_EQ(edit->DoDispatch('stat', 9, &status, false), -1);
    EXPECT_EQ(edit->DoDispatch('menu', 9, nullptr, false), -1);
}

TEST_F(EditText, PasswordFieldsRefuseToCopy)
{
    PutClipboard("before");
    EditOptions o;
    o.text = "secret";
    o.password = true;
    XGEditText* edit = Make(o);
    Select(edit, 0, 6);
    edit->DoDispatch('menu', 6, nullptr, false);
    edit->DoDispatch('menu', 5, nullptr, false);
    EXPECT_EQ(GetClipboard(), "before");
    EXPECT_EQ(Text(edit), "secret");
}

TEST_F(EditText, SelectAllAndTheFieldEditorsFocus)
{
    EditOptions o;
    o.text = "hello";
    o.multiLine = false;
    XGEditText* edit = Make(o);
    EXPECT_EQ(Selection(edit), std::make_pair(0L, 0L));
    edit->SetFocus();
    EXPECT_EQ(Selection(edit), std::make_pair(0L, 5L));
    Select(edit, 2, 2);
    EXPECT_EQ(edit->DoDispatch('menu', 16, nullptr, false), 0);
    EXPECT_EQ(Selection(edit), std::make_pair(0L, 5L));
}

TEST_F(EditText, TitleIsAtMost255Characters)
{
    EditOptions o;
    XGEditText* edit = Make(o);
    std::string longText(300, 'q');
    edit->SetTitle(longText.c_str());
    EXPECT_EQ(Text(edit).size(), 300u);
    char title[256];
    memset(title, 'x', sizeof title);
    edit->GetTitle(title);
    EXPECT_EQ(std::string(title), std::string(255, 'q'));
}

TEST_F(EditText, NewTextClampsTheSelection)
{
    EditOptions o;
    o.text = "abcdef";
    XGEditText* edit = Make(o);
    Select(edit, 2, 6);
    edit->SetTitle("abc");
    EXPECT_EQ(Selection(edit), std::make_pair(2L, 3L));
    edit->SetSelect(9, -4);
    EXPECT_EQ(Selection(edit), std::make_pair(0L, 3L));
}

TEST_F(EditText, DraggingSelectsFromThePressToThePointer)
{
    EditOptions o;
    o.text = "alpha beta\ngamma";
    XGEditText* edit = Make(o);
    EXPECT_TRUE(edit->DoMouseDown(PointAt(edit, 2), 0));
    EXPECT_EQ(Selection(edit), std::make_pair(2L, 2L));
    edit->DoMouseMove(PointAt(edit, 14), kCaptured);
    EXPECT_EQ(Selection(edit), std::make_pair(2L, 14L));
    edit->DoMouseMove(Point{-20, 30}, kCaptured);   // above the first line
    EXPECT_EQ(Selection(edit), std::make_pair(0L, 2L));
    edit->DoMouseUp(PointAt(edit, 8), kCaptured);
    EXPECT_EQ(Selection(edit), std::make_pair(2L, 8L));
}

// The pixels of the first line's band, row by row.
std::vector<COLORREF> BandPixels(Host& host, XGEditText* edit)
{
    tagRECT frame = edit->GetEditCore()->GetFrame();
    std::vector<COLORREF> pixels;
    for (int y = frame.top; y < frame.top + edit->GetEditCore()->GetPixelStep(); ++y) {
        for (int x = frame.left; x < frame.right; ++x)
            pixels.push_back(host.Pixel(10 + x, 10 + y));
    }
    return pixels;
}

TEST_F(EditText, AClickOnTheCaretsOwnPlaceLeavesTheCaretDrawn)
{
    Host& host = Host::Shared();
    host.Clear(RGB(0, 255, 0));
    EditOptions o;
    o.text = "alpha beta";
    XGEditText* edit = Make(o);
    edit->SetFocus();
    edit->DoDrawView(edit->GetContentRect());
    Select(edit, 3, 3);
    Type(edit, "x");
    Type(edit, "\b");   // redraws the line and shows the caret
    XGEditCore* core = edit->GetEditCore();
    ASSERT_TRUE(core->IsCaretShown());
    const std::vector<COLORREF> before = BandPixels(host, edit);
    for (short modifiers : {short(0), kShift}) {
        edit->DoMouseDown(PointAt(edit, 3), modifiers);
        edit->DoMouseUp(PointAt(edit, 3), kCaptured);
        EXPECT_EQ(Selection(edit), std::make_pair(3L, 3L));
        EXPECT_TRUE(core->IsCaretShown());
        EXPECT_TRUE(BandPixels(host, edit) == before);
    }
    // Elsewhere the caret moves: the line is drawn again.
    edit->DoMouseDown(PointAt(edit, 7), 0);
    EXPECT_EQ(Selection(edit), std::make_pair(7L, 7L));
    EXPECT_FALSE(BandPixels(host, edit) == before);
}

TEST_F(EditText, ShiftClickExtendsFromTheFartherEnd)
{
    EditOptions o;
    o.text = "0123456789";
    XGEditText* edit = Make(o);
    Select(edit, 3, 6);
    edit->DoMouseDown(PointAt(edit, 8, 1), kShift);
    EXPECT_EQ(Selection(edit), std::make_pair(3L, 8L));
    edit->DoMouseUp(PointAt(edit, 8, 1), kCaptured);
    edit->DoMouseDown(PointAt(edit, 1, 1), kShift);
    EXPECT_EQ(Selection(edit), std::make_pair(1L, 8L));
}

TEST_F(EditText, DoubleClickSelectsTheRunAroundThePoint)
{
    EditOptions o;
    o.text = "say hello, world";
    XGEditText* edit = Make(o);
    edit->DoMouseDown(PointAt(edit, 6, 1), kDoubleClick);
    EXPECT_EQ(Selection(edit), std::make_pair(4L, 9L));
    edit->DoMouseUp(PointAt(edit, 6, 1), kCaptured);
    edit->DoMouseDown(PointAt(edit, 10, 0), kDoubleClick);   // ", " is a run too
    EXPECT_EQ(Selection(edit), std::make_pair(9L, 11L));
}

TEST_F(EditText, FocusedFieldHighlightsItsWholeTextToTheRightEdge)
{
    Host& host = Host::Shared();
    host.Clear(RGB(0, 255, 0));
    EditOptions o;
    o.text = "ab";
    o.multiLine = false;
    XGEditText* edit = Make(o);
    edit->SetFocus();
    edit->DoDrawView(edit->GetContentRect());
    COLORREF selection = XGDraw::ColorFromPalette(kPaletteSelection);
    COLORREF fill = XGDraw::ColorFromPalette(kPaletteWhite);
    // the view sits at (10, 10); its text area starts 3 pixels in
    tagRECT frame = edit->GetEditCore()->GetFrame();
    int y = 10 + frame.top + 2;
    EXPECT_EQ(host.Pixel(10 + frame.right - 2, y), selection);
    Select(edit, 1, 1);
    EXPECT_EQ(host.Pixel(10 + frame.right - 2, y), fill);
    edit->GetEditCore()->DoLoseFocus(false);
    Select(edit, 0, 2);
    edit->DoDrawView(edit->GetContentRect());
    EXPECT_EQ(host.Pixel(10 + frame.right - 2, y), fill);   // no highlight without focus
}

TEST_F(EditText, EmptyFieldShowsItsCaretTwoPixelsIn)
{
    Host& host = Host::Shared();
    host.Clear(RGB(0, 255, 0));
    EditOptions o;
    XGEditText* edit = Make(o);
    edit->SetFocus();
    edit->DoDrawView(edit->GetContentRect());
    tagRECT frame = edit->GetEditCore()->GetFrame();
    Type(edit, "x");
    Type(edit, "\b");   // redraws the line and shows the caret
    ASSERT_TRUE(edit->GetEditCore()->IsCaretShown());
    int x = 10 + frame.left;
    int y = 10 + frame.top + 3;
    COLORREF fill = XGDraw::ColorFromPalette(kPaletteWhite);
    EXPECT_EQ(host.Pixel(x, y), fill);
    EXPECT_NE(host.Pixel(x + 1, y), fill);
    EXPECT_EQ(host.Pixel(x + 2, y), fill);
}

TEST_F(EditText, PasswordTextIsDrawnAsStars)
{
    Host& host = Host::Shared();
    EditOptions plain;
    plain.text = "*****";
    EditOptions hidden;
    hidden.text = "abcde";
    hidden.password = true;
    std::vector<COLORREF> pictures[2];
    int index = 0;
    for (const EditOptions* o : {&plain, &hidden}) {
        host.Clear(RGB(0, 255, 0));
        XGEditText* edit = Make(*o);
        edit->DoDrawView(edit->GetContentRect());
        for (int y = 13; y < 30; ++y)
            for (int x = 13; x < 60; ++x)
                pictures[index].push_back(host.Pixel(x, y));
        delete edit;
        ++index;
    }
    EXPECT_TRUE(pictures[0] == pictures[1]);
}

TEST_F(EditText, EditingScrollsItsOwnPixelsToKeepTheCaretInView)
{
    EditOptions o;
    o.height = 30;
    XGEditText* edit = Make(o);
    for (int k = 0; k < 6; ++k)
        Type(edit, "line\r");
    long h, v;
    edit->GetEditCore()->GetScrollValue(&h, &v);
    tagRECT frame = edit->GetEditCore()->GetFrame();
    long visible = (frame.bottom - frame.top) / edit->GetEditCore()->GetPixelStep();
    EXPECT_EQ(v, 7 - visible);
    EXPECT_EQ(h, 0);
}

TEST_F(EditText, BarsOfAnEnclosingScrollViewFollowTheEngine)
{
    Record r;
    r.Int('scrv').Int(3).Int(0).Bool(true).Bool(true).Bool(false).Bool(false);
    r.Int(0).Int(0).Int(300).Int(120).Bool(true).Bool(true).Bool(false);
    r.Bool(false).Bool(true).Bool(false);
    XGArgStream stream = r.Stream();
    XGScrollView* scroller = new XGScrollView(fJudge, stream);
    EditOptions o;
    o.height = 40;
    XGEditText* edit = Make(o, scroller);
    for (int k = 0; k < 8; ++k)
        Type(edit, "row\r");
    long h, v, barH, barV;
    edit->GetEditCore()->GetScrollValue(&h, &v);
    scroller->GetScrollValue(&barH, &barV);
    EXPECT_GT(v, 0);
    EXPECT_EQ(barV, v);
    EXPECT_EQ(scroller->GetPixelStep(), edit->GetEditCore()->GetPixelStep());
    // moving the bar gives the engine the new position
    scroller->SetScrollValue(0, 1);
    edit->GetEditCore()->GetScrollValue(&h, &v);
    EXPECT_EQ(v, 1);
}

// The full layout wraps at the frame width less 4, an edit's layout at the
// frame width less 10, and neither below 20 pixels.
TEST_F(EditText, WrapWidthDependsOnTheFrameAndTheKindOfLayout)
{
    EditOptions measureOptions;
    measureOptions.text = std::string(12, 'm');
    measureOptions.width = 300;
    XGEditText* ruler = Make(measureOptions);
    // characters that one line holds before `limit` pixels are exceeded,
    // the overflowing one included
    auto charsFor = [&](long limit) {
        long k = 1;
        while (k < 12 && ruler->GetEditCore()->FindPixel(k) - 2 <= limit)
            ++k;
        return k;
    };
    struct Row {
        short frameWidth;
        long full;
        long edited;
    };
    const Row rows[] = {{30, 26, 20}, {10, 20, 20}, {60, 56, 50}};
    for (const Row& row : rows) {
        EditOptions o;
        o.text = std::string(11, 'm');
        o.wrap = true;
        o.width = short(row.frameWidth + 6);
        XGEditText* edit = Make(o);
        EXPECT_EQ(edit->GetEditCore()->GetLineLength(0), charsFor(row.full)) << row.frameWidth;
        Select(edit, 0, 0);
        Type(edit, "m");
        EXPECT_EQ(edit->GetEditCore()->GetLineLength(0), charsFor(row.edited)) << row.frameWidth;
        delete edit;
    }
}

TEST_F(EditText, ClickBeyondAWrappedLineShowsTheCaretAtItsEnd)
{
    Host& host = Host::Shared();
    host.Clear(RGB(0, 255, 0));
    EditOptions o;
    o.text = "aaaa bbbb cccc dddd";
    o.wrap = true;
    o.width = 60;
    XGEditText* edit = Make(o);
    XGEditCore* core = edit->GetEditCore();
    ASSERT_GT(core->GetNumLines(), 1);
    Select(edit, 1, 1);
    edit->SetFocus();
    edit->DoDrawView(edit->GetContentRect());
    tagRECT frame = core->GetFrame();
    long step = core->GetPixelStep();
    Point beyond = {short(frame.top + step / 2), short(frame.right - 1)};
    edit->DoMouseDown(beyond, 0);
    edit->DoMouseUp(beyond, kCaptured);
    long start = core->GetLineOffset(1);
    ASSERT_EQ(Selection(edit), std::make_pair(start, start));
    ASSERT_TRUE(core->IsCaretShown());
    // The top row of a line band holds no glyph pixels of "a" to "d", only
    // the caret: find the line whose top row it marks.
    COLORREF fill = XGDraw::ColorFromPalette(kPaletteWhite);
    auto caretInLine = [&](long line) {
        int y = int(10 + frame.top + line * step);
        for (int x = 10 + frame.left; x < 10 + frame.right; ++x) {
            if (host.Pixel(x, y) != fill)
                return true;
        }
        return false;
    };
    EXPECT_TRUE(caretInLine(0));
    EXPECT_FALSE(caretInLine(1));
    // a caret key shows it at the start of the next line
    Key(edit, 0x83);
    Key(edit, 0x82);
    EXPECT_FALSE(caretInLine(0));
    EXPECT_TRUE(caretInLine(1));
}

TEST_F(EditText, LongLinesKeepGrowingInWidth)
{
    EditOptions o;
    XGEditText* edit = Make(o);
    std::string line(12000, 'm');
    edit->SetTitle(line.c_str());
    XGEditCore* core = edit->GetEditCore();
    long quarter = core->FindPixel(3000);
    EXPECT_GT(quarter, 3000);
    EXPECT_EQ(core->FindPixel(6000) - 2, 2 * (quarter - 2));
    EXPECT_EQ(core->FindPixel(12000) - 2, 4 * (quarter - 2));
    EXPECT_EQ(core->GetMaxWidth(), core->FindPixel(12000));
}

TEST_F(EditText, ALineWiderThan16BitsStillShowsItsEndOnceScrolledThere)
{
    Host& host = Host::Shared();
    EditOptions o;
    XGEditText* edit = Make(o);
    // Blank up to its last characters, which are all ink.
    const std::string line = std::string(20000, ' ') + std::string(40, 'W');
    const long length = long(line.size());
    edit->SetTitle(line.c_str());
    XGEditCore* core = edit->GetEditCore();
    tagRECT frame = core->GetFrame();
    long width = core->FindPixel(length);
    ASSERT_GT(width, 40000);
    long step = core->GetPixelStep();
    core->SetScrollValue((width - (frame.right - frame.left) + step) / step, 0);
    host.Clear(RGB(0, 255, 0));
    edit->DoDrawView(edit->GetContentRect());
    // Ink on both halves of the line's band: its last characters show.
    int inkLeft = 0, inkRight = 0;
    int middle = (frame.left + frame.right) / 2;
    for (int y = frame.top; y < frame.top + step; ++y) {
        for (int x = frame.left; x < frame.right; ++x) {
            if (host.Pixel(10 + x, 10 + y) == RGB(0, 0, 0))
                ++(x < middle ? inkLeft : inkRight);
        }
    }
    EXPECT_GT(inkLeft, 0);
    EXPECT_GT(inkRight, 0);
}

TEST_F(EditText, ACaretStraddlingTheFrameNeverMarksTheBorder)
{
    Host& host = Host::Shared();
    EditOptions probe;
    XGEditText* first = Make(probe);
    long line = first->GetEditCore()->GetPixelStep();
    long inset = first->GetEditCore()->GetFrame().top;
    delete first;
    // The second line shows only its upper half; its caret reaches below.
    EditOptions o;
    o.text = "a\nb";
    o.height = short(2 * inset + line + line / 2);
    XGEditText* edit = Make(o);
    XGEditCore* core = edit->GetEditCore();
    tagRECT frame = core->GetFrame();
    host.Clear(RGB(0, 255, 0));
    edit->SetFocus();
    Select(edit, 2, 2);
    edit->DoDrawView(edit->GetContentRect());
    int x = 10 + frame.left + int(core->FindPixel(2)) - 1;
    auto column = [&](int from, int to) {
        std::vector<COLORREF> pixels;
        for (int y = from; y < to; ++y)
            pixels.push_back(host.Pixel(x, 10 + y));
        return pixels;
    };
    int caretBottom = frame.top + 2 * line;
    ASSERT_GT(caretBottom, frame.bottom);
    const std::vector<COLORREF> border = column(frame.bottom, caretBottom);
    std::vector<COLORREF> inside = column(frame.bottom - 2, frame.bottom);
    bool blinked = false;
    for (int k = 0; k < 2; ++k) {
        Sleep(XGGetCursorBlink() + 20);
        edit->DoDispatch('peri', 0, nullptr, false);
        EXPECT_EQ(border, column(frame.bottom, caretBottom)) << "blink " << k;
        blinked = blinked || inside != column(frame.bottom - 2, frame.bottom);
        inside = column(frame.bottom - 2, frame.bottom);
    }
    EXPECT_TRUE(blinked);
    Select(edit, 0, 0);
    EXPECT_EQ(border, column(frame.bottom, caretBottom));
}

TEST_F(EditText, DraggingBelowTheFrameScrollsAStepForEachNewOffset)
{
    EditOptions o;
    o.height = 30;
    XGEditText* edit = Make(o);
    edit->SetTitle("l0\nl1\nl2\nl3\nl4\nl5\nl6\nl7\nl8\nl9");
    XGEditCore* core = edit->GetEditCore();
    tagRECT frame = core->GetFrame();
    edit->DoMouseDown(PointAt(edit, 0), 0);
    Point below = {short(frame.bottom + 5), short(frame.left + 4)};
    long h, v;
    std::vector<long> steps;
    for (int k = 0; k < 3; ++k) {
        edit->DoMouseMove(below, kCaptured);
        core->GetScrollValue(&h, &v);
        steps.push_back(v);
    }
    // the same point lies on a new line after each step, hence a new offset
    EXPECT_EQ(steps, (std::vector<long>{1, 2, 3}));
    long start, end;
    edit->GetSelect(&start, &end);
    EXPECT_EQ(start, 0);
    EXPECT_GT(end, 3);
    edit->DoMouseUp(below, kCaptured);
    core->GetScrollValue(&h, &v);
    EXPECT_EQ(v, 3);   // releasing does not scroll
}

TEST_F(EditText, IdleMessagesAreAnsweredByTheView)
{
    EditOptions o;
    XGEditText* edit = Make(o);
    EXPECT_EQ(edit->DoDispatch('peri', 0, nullptr, false), 0);
}

// Edits reach the parents' 'kclk' exactly when the text changed, with the
// whole text, long or not; a rejected edit restores every character and the
// selection. The long texts end on either side of the handle's 512-byte
// blocks, where the text is given in place or as a copy.
TEST_F(EditText, ParentsSeeEachChangedTextWholeAndInOrder)
{
    const std::string tail(600, 'q');
    struct Row {
        std::string text;
        long start, end;
        std::string keys;     // typed; "" for the menu command
        long command;         // 7 paste of "zz", 5 cut, 8 clear
        bool reject;
        std::vector<std::string> asked;
        std::string after;
    };
    const std::string at511(510, 'w');
    const Row rows[] = {
        {"ab", 2, 2, "c", 0, false, {"7:abc"}, "abc"},
        {"ab", 0, 0, "\x08", 0, false, {}, "ab"},                    // nothing before the caret
        {"ab", 1, 2, "b", 0, false, {}, "ab"},                       // the same character over itself
        {"ab", 1, 1, "\x08", 0, false, {"7:b"}, "b"},
        {"ab\ncd", 2, 4, "\r", 0, false, {"7:ab\nd"}, "ab\nd"},
        {"ab", 1, 1, "xy", 0, true, {"7:axb", "7:ayb"}, "ab"},
        {"a" + tail, 1, 1, "x", 0, true, {"7:ax" + tail}, "a" + tail},
        {at511, 0, 0, "x", 0, true, {"7:x" + at511}, at511},         // 511 characters
        {at511 + "v", 0, 0, "x", 0, false, {"7:x" + at511 + "v"}, "x" + at511 + "v"},   // 512
        {"abc", 1, 2, "", 7, false, {"7:azzc"}, "azzc"},
        {"abc", 1, 2, "", 5, true, {"7:ac"}, "abc"},
        {"abc", 1, 1, "", 8, false, {}, "abc"},                     // clearing nothing
        {"a" + tail, 0, 601, "", 8, true, {"7:"}, "a" + tail},
    };
    for (const Row& row : rows) {
        EditOptions o;
        XGEditText* edit = Make(o);
        edit->SetTitle(row.text.c_str());
        Select(edit, row.start, row.end);
        fJudge->fAsked.clear();
        fJudge->fReject = row.reject;
        PutClipboard("zz");
        if (row.command)
            edit->DoDispatch('menu', row.command, nullptr, false);
        else
            Type(edit, row.keys);
        EXPECT_EQ(fJudge->fAsked, row.asked) << row.text.substr(0, 8) << " " << row.keys;
        EXPECT_EQ(Text(edit), row.after) << row.text.substr(0, 8) << " " << row.keys;
        if (row.reject)
            EXPECT_EQ(Selection(edit), std::make_pair(row.start, row.end)) << row.text.substr(0, 8);
        delete edit;
    }
    fJudge->fReject = false;
}

// The widest line is kept up to date line by line as the text changes; after
// every edit of the table it is what measuring every line again gives, also
// when it is asked for only after several edits.
TEST_F(EditText, WidestLineFollowsEveryEditAsAFullMeasureWould)
{
    struct Step {
        long start, end;
        const char* inserted;
        bool ask;   // ask for the width after this step
    };
    const Step steps[] = {
        {0, 0, "", true},
        {5, 5, "W", true},                  // the widest line grows
        {0, 0, "\t", true},                 // a tab moves its stops
        {40, 40, "\n", true},               // the widest line splits
        {3, 9, "", false},
        {9, 10, "", true},                  // two lines join
        {0, 0, "MMMMMMMMMMMMMMMMMMMMMMMM\nx\ny\n", false},
        {30, 31, "", false},
        {2, 5, "a\tb\nc", true},
        {0, 27, "", true},                  // the widest line goes
        {12, 12, "iiii\niiii\n", false},
        {60, 60, "mmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmm", false},
        {1, 1, "\n\n\n", true},
        {1000, 1000, "\nlast", true},       // at the end
        {0, 1000, "", true},                // everything
        {0, 0, "one\ntwo\tthree", true},
    };
    EditOptions o;
    o.text = "short\nthe widest line of them all, so far\nmid size line\n\tx\n";
    o.width = 120;
    XGEditText* edit = Make(o);
    XGEditCore* core = edit->GetEditCore();
    EditOptions fresh;
    fresh.width = 120;
    XGEditText* ruler = Make(fresh);
    EXPECT_GT(core->GetMaxWidth(), 0);
    for (const Step& step : steps) {
        core->SetSelect(step.start, step.end);
        core->DoInsert(long(strlen(step.inserted)), step.inserted);
        if (!step.ask)
            continue;
        ruler->SetTitle(Text(edit).c_str());
        EXPECT_EQ(core->GetMaxWidth(), ruler->GetEditCore()->GetMaxWidth())
            << "after inserting \"" << step.inserted << "\" at " << step.start;
    }
}

// Inside a scroll view, the bars after each key are those that laying out
// the whole text again and measuring every line gives.
TEST_F(EditText, BarsAfterEachKeyMatchAFullRecalculation)
{
    auto makeScroller = [&](short left) {
        Record r;
        r.Int('scrv').Int(3).Int(0).Bool(true).Bool(true).Bool(false).Bool(false);
        r.Int(left).Int(0).Int(left + 160).Int(100).Bool(true).Bool(true).Bool(false);
        r.Bool(true).Bool(true).Bool(false);
        XGArgStream stream = r.Stream();
        return new XGScrollView(fJudge, stream);
    };
    XGScrollView* scroller = makeScroller(0);
    XGScrollView* fullScroller = makeScroller(170);
    EditOptions o;
    o.text = "a line\nthe longest line in this text, wider than the view\n\tb\n";
    o.width = 120;
    o.height = 50;
    XGEditText* edit = Make(o, scroller);
    XGEditText* full = Make(o, fullScroller);
    Select(edit, 20, 20);
    const std::string keys = "xyz\r\r\r\x08\x08\x08\x08\x08\x08\x08\x08WWWWWWWWWWWWWWWWWWWW\r\r\r\r";
    for (size_t k = 0; k < keys.size(); ++k) {
        Type(edit, std::string(1, keys[k]));
        full->SetTitle(Text(edit).c_str());
        long h, v;
        edit->GetEditCore()->GetScrollValue(&h, &v);
        for (int axis = 0; axis < 2; ++axis) {
            XGScrollBar* bar = axis ? scroller->GetVScroll() : scroller->GetHScroll();
            XGScrollBar* fullBar = axis ? fullScroller->GetVScroll() : fullScroller->GetHScroll();
            EXPECT_EQ(bar->GetMaxValue(), fullBar->GetMaxValue()) << "key " << k << " axis " << axis;
            EXPECT_EQ(bar->GetPageSize(), fullBar->GetPageSize()) << "key " << k << " axis " << axis;
            EXPECT_EQ(bar->GetValue(), axis ? v : h) << "key " << k << " axis " << axis;
            SCROLLINFO info = {}, fullInfo = {};
            info.cbSize = fullInfo.cbSize = sizeof info;
            info.fMask = fullInfo.fMask = SIF_ALL;
            GetScrollInfo(bar->GetControl(), SB_CTL, &info);
            GetScrollInfo(fullBar->GetControl(), SB_CTL, &fullInfo);
            EXPECT_EQ(IsWindowEnabled(bar->GetControl()) != 0, bar->GetMaxValue() > 0) << "key " << k;
            if (bar->GetMaxValue() > 0) {
                EXPECT_EQ(info.nMax, fullInfo.nMax) << "key " << k << " axis " << axis;
                EXPECT_EQ(info.nPage, fullInfo.nPage) << "key " << k << " axis " << axis;
                EXPECT_EQ(info.nPos, bar->GetValue() / bar->GetScale()) << "key " << k << " axis " << axis;
            }
        }
    }
    EXPECT_GT(scroller->GetHScroll()->GetMaxValue(), 0);
    EXPECT_GT(scroller->GetVScroll()->GetMaxValue(), 0);
}

}  // namespace

// The advances read once per font stand in for the device: a run's width is
// their sum, and every string the device measures must agree, high bytes and
// the fonts of every view included.
TEST(CharWidths, SumsAreWhatTheDeviceMeasuresForEveryFont)
{
    std::vector<std::string> texts = {"The quick brown fox jumps over the lazy dog", "WWWiiiWWW.,;:!",
                                      "m", "\x80\x85\x99\xA9\xC4\xE9\xF6\xFF", "a\x01\x1F z"};
    std::string all;
    for (int c = 1; c < 256; ++c)
        all += char(c);
    texts.push_back(all.substr(0, 128));
    texts.push_back(all.substr(127));
    std::vector<std::pair<std::string, HFONT>> fonts = {
        {"system", HFONT(GetStockObject(SYSTEM_FONT))},
        {"ANSI var", HFONT(GetStockObject(ANSI_VAR_FONT))},
        {"ANSI fixed", HFONT(GetStockObject(ANSI_FIXED_FONT))},
        {"GUI", HFONT(GetStockObject(DEFAULT_GUI_FONT))}};
    std::vector<XGFont*> owned;
    for (short number = 0; number < 3; ++number) {
        owned.push_back(XGFont::LoadFont(number));
        fonts.push_back({"edit font " + std::to_string(number), owned.back()->GetFont()});
    }
    XGDraw draw(nullptr, true);
    fonts.push_back({"default", GDefaultFont});
    HDC dc = draw.GetDC();
    for (const auto& font : fonts) {
        SCOPED_TRACE(font.first);
        ASSERT_NE(font.second, nullptr);
        HGDIOBJ old = SelectObject(dc, font.second);
        int32_t widths[256];
        int32_t extra = -1;
        draw.GetCharWidths(widths, &extra);
        for (const std::string& text : texts) {
            SIZE size = {0, 0};
            std::vector<INT> partial(text.size());
            GetTextExtentExPointA(dc, text.data(), int(text.size()), 0, nullptr, partial.data(), &size);
            int32_t sum = extra;
            for (size_t i = 0; i < text.size(); ++i) {
                sum += widths[(unsigned char)text[i]];
                ASSERT_EQ(sum, partial[i]) << "prefix " << i + 1 << " of " << text;
            }
            // StringWidth reads UTF-8, where a high byte alone is no character.
            if (std::all_of(text.begin(), text.end(), [](char c) { return (unsigned char)c < 0x80; }))
                EXPECT_EQ(sum, draw.StringWidth(text.data(), short(text.size()))) << text;
        }
        SelectObject(dc, old);
    }
    for (XGFont* font : owned)
        font->Detach();
}

namespace {

// The editor's measuring before the advance table: each run between tabs
// measured on the device in UTF-16, in pieces of at most 128 bytes, each
// character's width counted from its last byte on.
class DeviceMeasure : public XGTabMeasure {
public:
    DeviceMeasure(HDC dc) : XGTabMeasure(8 * StringWidth(dc, "m")), fDC(dc) {}

protected:
    int32_t RunWidth(const char* text, uint32_t length, int32_t* partial) override
    {
        std::u16string units = XGUtf8::ToUtf16(text, length);
        SIZE size = {0, 0};
        std::vector<INT> extents(units.size());
        GetTextExtentExPointW(fDC, reinterpret_cast<const wchar_t*>(units.c_str()), int(units.size()), 0,
                              nullptr, extents.data(), &size);
        size_t unit = 0;
        int32_t before = 0;
        for (uint32_t i = 0; i < length;) {
            size_t n;
            char32_t c = XGUtf8::Decode(text, length, i, &n);
            unit += c > 0xFFFF ? 2 : 1;
            for (size_t k = 0; partial && k < n; ++k)
                partial[i + k] = k + 1 < n ? before : int32_t(extents[unit - 1]);
            before = int32_t(extents[unit - 1]);
            i += uint32_t(n);
        }
        return int32_t(size.cx);
    }

private:
    static int32_t StringWidth(HDC dc, const char* text)
    {
        SIZE size = {0, 0};
        GetTextExtentPoint32A(dc, text, int(strlen(text)), &size);
        return int32_t(size.cx);
    }
    HDC fDC;
};

}  // namespace

TEST_F(EditText, LayoutHitsAndCaretPixelsMatchMeasuringOnTheDevice)
{
    std::string text = "\tTab\tstops\t\tand \xC3\x84\xC3\x96\xC3\x9C\xC3\xA9 letters beyond ASCII\n";
    for (int i = 0; i < 40; ++i) {
        std::string c(1, char('a' + i % 26));
        if (i % 3 == 0)
            c = XGUtf8::FromUtf16(std::u16string(1, char16_t(i % 2 ? 0x391 + i : 0x410 + i)));
        text += i % 7 == 3 ? "\t" : c + " ";
    }
    text += "\nWWW iii\tmmm\xE2\x80\xA6\xE2\x84\xA2 wrapped words go on and on and on to the end\n\n.";
    for (short number : {0, 1, 2}) {
        for (bool wrap : {false, true}) {
            SCOPED_TRACE(std::to_string(number) + (wrap ? " wrapped" : ""));
            EditOptions o;
            o.text = text;
            o.font = number;
            o.wrap = wrap;
            o.width = 150;
            XGEditCore* core = Make(o)->GetEditCore();
            XGFont* font = XGFont::LoadFont(number);
            XGDraw draw(nullptr, true);
            HGDIOBJ old = SelectObject(draw.GetDC(), font->GetFont(draw.GetDC()));
            DeviceMeasure device(draw.GetDC());
            XGHandle handle(0, 0);
            handle.Append(uint32_t(text.size()), text.data());
            XGTextEngine reference;
            reference.SetTextHandle(&handle);
            tagRECT frame = core->GetFrame();
            reference.RecalcLineStarts(wrap, frame.right - frame.left - 4, &device);
            ASSERT_EQ(core->GetNumLines(), reference.GetNumLines());
            for (int32_t line = 0; line < reference.GetNumLines(); ++line) {
                ASSERT_EQ(core->GetLineOffset(line), reference.GetLineOffset(line));
                int32_t end = reference.GetLineOffset(line) + reference.GetLineLength(line);
                for (int32_t offset = reference.GetLineOffset(line); offset <= end; ++offset) {
                    if (XGUtf8::IsBoundary(text.data(), text.size(), size_t(offset))) {
                        ASSERT_EQ(core->FindPixel(offset), reference.FindPixel(offset, 2, device)) << offset;
                    }
                }
                int32_t right = reference.FindPixel(end, 2, device) + 10;
                for (int32_t x = -2; x <= right; ++x)
                    ASSERT_EQ(core->FindOffset(line, x), reference.FindOffset(line, x, 2, device)) << x;
            }
            SelectObject(draw.GetDC(), old);
            font->Detach();
        }
    }
}

// Text beyond ASCII: a key brings its character whole as UTF-8 (the UTF-16
// unit, or U+FFFD above the BMP, in the key code).
namespace {

const std::string kOmega = "\xCE\xA9";                 // Ω
const std::string kSun = "\xE6\x97\xA5";               // 日
const std::string kCoffee = "\xE2\x98\x95";            // ☕
const std::string kGrin = "\xF0\x9F\x98\x80";          // 😀
const std::string kAcute = "\xCC\x81";                 // combining acute

long TypeCharacter(XGEditText* edit, const std::string& utf8)
{
    std::u16string units = XGUtf8::ToUtf16(utf8);
    unsigned short key = units.size() == 1 ? units[0] : 0xFFFD;
    return edit->DoDispatch('keye', key, const_cast<char*>(utf8.c_str()), false);
}

void PutClipboardUnicode(const std::u16string& text)
{
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * 2);
    memcpy(GlobalLock(block), text.c_str(), (text.size() + 1) * 2);
    GlobalUnlock(block);
    SetClipboardData(CF_UNICODETEXT, block);
    CloseClipboard();
}

std::u16string GetClipboardUnicode()
{
    std::u16string text;
    if (!OpenClipboard(nullptr))
        return u"<no clipboard>";
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (data) {
        text = static_cast<const char16_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

}  // namespace

TEST_F(EditText, TypedCharactersBeyondAsciiGoInWholeAndBackspaceTakesEachWhole)
{
    EditOptions o;
    o.text = "x";
    XGEditText* edit = Make(o);
    Select(edit, 1, 1);
    for (const std::string& c : {kOmega, kSun, kCoffee, kGrin})
        EXPECT_EQ(TypeCharacter(edit, c), 0);
    EXPECT_EQ(Text(edit), "x" + kOmega + kSun + kCoffee + kGrin);
    EXPECT_EQ(Selection(edit), std::make_pair(13L, 13L));
    const std::string left[] = {"x" + kOmega + kSun + kCoffee, "x" + kOmega + kSun, "x" + kOmega, "x"};
    for (const std::string& expected : left) {
        Type(edit, "\b");
        EXPECT_EQ(Text(edit), expected);
    }
    // A key without its UTF-8 form is the UTF-16 unit itself.
    edit->DoDispatch('keye', 0x3A9, nullptr, false);
    EXPECT_EQ(Text(edit), "x" + kOmega);
}

TEST_F(EditText, ArrowsAndBackspaceStepOverCharactersAndTheirMarks)
{
    EditOptions o;
    o.text = "a" + kOmega + kSun + kGrin + "e" + kAcute + "b";
    XGEditText* edit = Make(o);
    Select(edit, 0, 0);
    const long stops[] = {1, 3, 6, 10, 13, 14};
    for (long stop : stops) {
        Key(edit, kKeyRight);
        EXPECT_EQ(Selection(edit), std::make_pair(stop, stop));
    }
    for (long stop : {13L, 10L, 6L, 3L, 1L, 0L}) {
        Key(edit, kKeyLeft);
        EXPECT_EQ(Selection(edit), std::make_pair(stop, stop));
    }
    Select(edit, 13, 13);
    Type(edit, "\b");
    EXPECT_EQ(Text(edit), "a" + kOmega + kSun + kGrin + "b");
    Select(edit, 6, 6);
    Key(edit, kKeyRight, kShift);
    EXPECT_EQ(Selection(edit), std::make_pair(6L, 10L));
}

TEST_F(EditText, SelectionEndsInsideACharacterMoveToItsStart)
{
    EditOptions o;
    o.text = "a" + kSun + "e" + kAcute + "b";
    XGEditText* edit = Make(o);
    const struct {
        long start, end, wantStart, wantEnd;
    } cases[] = {{2, 2, 1, 1}, {3, 3, 1, 1}, {2, 6, 1, 4}, {5, 8, 4, 8}, {0, 6, 0, 4}};
    for (const auto& c : cases) {
        Select(edit, c.start, c.end);
        EXPECT_EQ(Selection(edit), std::make_pair(c.wantStart, c.wantEnd)) << c.start << "-" << c.end;
    }
}

TEST_F(EditText, ClicksLandBetweenCharactersBeyondAscii)
{
    EditOptions o;
    o.text = kSun + kSun + "e" + kAcute + kGrin;
    XGEditText* edit = Make(o);
    XGEditCore* core = edit->GetEditCore();
    const long starts[] = {0, 3, 6, 9, 13};
    for (size_t k = 0; k + 1 < sizeof starts / sizeof starts[0]; ++k) {
        EXPECT_GT(core->FindPixel(starts[k + 1]), core->FindPixel(starts[k])) << starts[k];
        for (long x = core->FindPixel(starts[k]); x < core->FindPixel(starts[k + 1]); ++x) {
            long hit = core->FindOffset(0, x);
            EXPECT_TRUE(hit == starts[k] || hit == starts[k + 1]) << x << " gave " << hit;
        }
    }
}

TEST_F(EditText, CopyAndPasteCarryUnicodeText)
{
    const std::string text = "na\xC3\xAFve " + kCoffee + " " + kOmega + "mega " + kSun + "\xE6\x9C\xAC" + kGrin;
    const std::u16string wide = XGUtf8::ToUtf16(text);
    EditOptions o;
    o.text = text;
    XGEditText* edit = Make(o);
    edit->DoDispatch('menu', 16, nullptr, false);
    edit->DoDispatch('menu', 6, nullptr, false);
    EXPECT_EQ(GetClipboardUnicode(), wide);
    PutClipboardUnicode(u"\u03B1\u03B2\r\n\u65E5\U0001F600");
    Select(edit, 0, long(text.size()));
    edit->DoDispatch('menu', 7, nullptr, false);
    EXPECT_EQ(Text(edit), "\xCE\xB1\xCE\xB2\n" + kSun + kGrin);
}

TEST_F(EditText, FiltersAndLengthLimitCountCharacters)
{
    EditOptions digits;
    digits.filter = 3;
    XGEditText* numbers = Make(digits);
    for (const std::string& c : {std::string("1"), std::string("\xEF\xBC\x92"), std::string("\xD9\xA3"), kSun})
        TypeCharacter(numbers, c);
    EXPECT_EQ(Text(numbers), "1");

    EditOptions limited;
    limited.maxLength = 3;
    XGEditText* edit = Make(limited);
    for (const std::string& c : {kSun, kGrin, kOmega, std::string("x"), kCoffee})
        TypeCharacter(edit, c);
    EXPECT_EQ(Text(edit), kSun + kGrin + kOmega);
    Select(edit, 0, 3);
    TypeCharacter(edit, kCoffee);
    EXPECT_EQ(Text(edit), kCoffee + kGrin + kOmega);
}

TEST_F(EditText, PasswordShowsOneStarPerCharacter)
{
    EditOptions ascii;
    ascii.text = "abc";
    ascii.password = true;
    EditOptions wide = ascii;
    wide.text = kSun + "e" + kAcute + kGrin;
    XGEditCore* a = Make(ascii)->GetEditCore();
    XGEditCore* w = Make(wide)->GetEditCore();
    EXPECT_EQ(w->FindPixel(3), a->FindPixel(1));
    EXPECT_EQ(w->FindPixel(6), a->FindPixel(2));
    EXPECT_EQ(w->FindPixel(10), a->FindPixel(3));
    EXPECT_EQ(w->GetMaxWidth(), a->GetMaxWidth());
}

TEST_F(EditText, DoubleClickSelectsAWordOfItsOwnScript)
{
    EditOptions o;
    o.text = kSun + "\xE6\x9C\xAC\xE8\xAA\x9E\xE3\x81\xAE\xE3\x83\x86\xE3\x82\xAD\xE3\x82\xB9\xE3\x83\x88 caf\xC3\xA9!";
    XGEditText* edit = Make(o);
    edit->DoMouseDown(PointAt(edit, 3, 1), kDoubleClick);
    EXPECT_EQ(Selection(edit), std::make_pair(0L, 9L));
    edit->DoMouseUp(PointAt(edit, 3, 1), kCaptured);
    edit->DoMouseDown(PointAt(edit, 15, 1), kDoubleClick);
    EXPECT_EQ(Selection(edit), std::make_pair(12L, 24L));
    edit->DoMouseUp(PointAt(edit, 15, 1), kCaptured);
    edit->DoMouseDown(PointAt(edit, 26, 1), kDoubleClick);
    EXPECT_EQ(Selection(edit), std::make_pair(25L, 30L));
}
