#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "KeboTestSupport.h"
#include "views/XGFont.h"
#include "controls/XGListControl.h"
#include "controls/XGListView.h"
#include "controls/XGScrollBar.h"
#include "foundation/XGStringList.h"
#include "forms/XGViewFactory.h"
#include "forms/XGViewTemplate.h"

using namespace kebotest;

namespace {

// Logs "lval 5" and "lsel 5" as they come up from a list.
class ListHost : public XGView {
public:
    XG_DECLARE_DISPATCH(ListHost)
    ListHost(XGView* parent, XGSViewInitRecord& record) : XGView(parent, record) {}
    void DoDrawView(tagRECT) override {}
    long DoListValue(long arg, void*)
    {
        fLog.push_back("lval " + std::to_string(arg));
        return 0;
    }
    long DoListSelect(long arg, void*)
    {
        fLog.push_back("lsel " + std::to_string(arg));
        return 0;
    }
    std::vector<std::string> fLog;
};

// long Handler(long arg, void* data); -1 passes the message on.
XG_BEGIN_DISPATCH(ListHost, XGView)
    XG_ON('lval', DoListValue)
    XG_ON('lsel', DoListSelect)
XG_END_DISPATCH()

const short kLeft = 10;
const short kTop = 10;
const short kListID = 5;

struct ListOptions {
    bool multiSelect;
    bool keepSelect;
    short height;
    bool horizontal;
};

class ListsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fApp = new TestApp();
        XGSWindowInitRecord w = WindowRecord(2, "lists", 300, 240);
        fWindow = new XGWindow(w, nullptr);
        XGSViewInitRecord r = ViewRecord(0, 0, 0, 300, 240);
        fHost = new ListHost(fWindow, r);
        Pump();
    }
    void TearDown() override
    {
        Shift(false);
        delete fWindow;
        delete fApp;
        Pump();
    }

    XGListControl* Make(ListOptions options, long items)
    {
        Args a = Args::View('list', kListID, kLeft, kTop, 210, short(kTop + options.height))
                     .Bool(options.horizontal).Bool(true).Bool(false)
                     .Bool(options.multiSelect).Int(1).Bool(options.keepSelect);
        XGArgStream s = a.Stream();
        XGListControl* list = new XGListControl(fHost, s);
        std::string text;
        for (long i = 0; i < items; ++i) {
            text += 'W';
            unsigned char flag = 0;
            list->GetList()->AppendString(text.c_str(), &flag);
        }
        list->GetListView()->CalcResize();
        list->GetListView()->InvalView();
        Pump();
        return list;
    }

    std::vector<long> Selected(XGListControl* list) const
    {
        std::vector<long> selected;
        for (long i = -1; i <= list->Length(); ++i) {
            if (list->GetSelect(i))
                selected.push_back(i);
        }
        return selected;
    }

    HWND Root() const { return fWindow->GetHWND(); }

    // A press at v pixels down the list view, 20 pixels in.
    void Click(XGListControl* list, long v, bool twice = false)
    {
        Point at = list->GetListView()->GetGlobalPos();
        LPARAM where = MAKELPARAM(at.h + 20, at.v + v);
        SendMessageA(Root(), twice ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, MK_LBUTTON, where);
        SendMessageA(Root(), WM_LBUTTONUP, 0, where);
    }
    void ClickRow(XGListControl* list, long row, bool twice = false)
    {
        long step = list->GetPixelStep();
        Click(list, row * step + step / 2, twice);
    }
    static void Shift(bool down)
    {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_SHIFT] = down ? 0x80 : 0;
        SetKeyboardState(keys);
    }
    void Paint()
    {
        SetForegroundWindow(Root());
        SetActiveWindow(Root());
        InvalidateRect(Root(), nullptr, TRUE);
        UpdateWindow(Root());
    }
    // A pixel of the list view's line row, near its right end, away from text.
    COLORREF LineBack(XGListControl* list, long row)
    {
        XGListView* view = list->GetListView();
        long step = list->GetPixelStep();
        return Pixel(Root(), view->GetGlobalPos().h + view->GetSize().h - 3,
                     int(view->GetGlobalPos().v + row * step + step / 2));
    }
    // The rightmost dark pixel of row's line, relative to the list view.
    int TextEnd(XGListControl* list, long row)
    {
        XGListView* view = list->GetListView();
        long step = list->GetPixelStep();
        int end = -1;
        for (int x = 0; x < view->GetSize().h; ++x) {
            for (long y = row * step; y < (row + 1) * step; ++y) {
                COLORREF c = Pixel(Root(), view->GetGlobalPos().h + x, int(view->GetGlobalPos().v + y));
                if (GetRValue(c) < 128 && GetGValue(c) < 128 && GetBValue(c) < 128) {
                    end = x;
                    break;
                }
            }
        }
        return end;
    }

    TestApp* fApp = nullptr;
    XGWindow* fWindow = nullptr;
    ListHost* fHost = nullptr;
};

const ListOptions kSingle = {false, false, 120, false};
const ListOptions kMultiple = {true, false, 120, false};
const ListOptions kKeep = {true, true, 120, false};

TEST_F(ListsTest, ItemsComeFromTheStringListWithAByteOfSelectionEach)
{
    XGListControl* list = Make(kSingle, 3);
    EXPECT_EQ(3, list->Length());
    EXPECT_EQ(1, list->GetList()->GetExtraSize());
    char text[256];
    list->GetItem(2, text);
    EXPECT_STREQ("WWW", text);
    list->GetItem(3, text);
    EXPECT_STREQ("", text);
    list->SetSelect(1, true);
    unsigned char flag = 0;
    list->GetList()->GetExtra(1, &flag);
    EXPECT_EQ(1, flag);
}

TEST_F(ListsTest, OutOfRangeIndexesAreIgnoredAndReadAsNotSelected)
{
    XGListControl* list = Make(kMultiple, 4);
    list->SetSelect(-1, true);
    list->SetSelect(4, true);
    list->SetSelect(1000, true);
    EXPECT_TRUE(Selected(list).empty());
    EXPECT_FALSE(list->GetSelect(-1));
    EXPECT_FALSE(list->GetSelect(4));
}

TEST_F(ListsTest, SingleSelectionReplacesTheSelectedItem)
{
    XGListControl* list = Make(kSingle, 6);
    list->SetSelect(1, true);
    list->SetSelect(3, true);
    EXPECT_EQ(std::vector<long>{3}, Selected(list));
    list->SetSelect(3, false);
    EXPECT_TRUE(Selected(list).empty());
}

TEST_F(ListsTest, MultipleSelectionKeepsEveryItem)
{
    XGListControl* list = Make(kMultiple, 6);
    list->SetSelect(1, true);
    list->SetSelect(3, true);
    list->SetSelect(5, true);
    EXPECT_EQ((std::vector<long>{1, 3, 5}), Selected(list));
    list->ClearSelect();
    EXPECT_TRUE(Selected(list).empty());
}

TEST_F(ListsTest, SelectedLinesAreHighlightedAndDeselectedLinesErased)
{
    XGListControl* list = Make(kSingle, 6);
    Paint();
    ASSERT_EQ(Root(), GetActiveWindow());
    COLORREF white = RGB(255, 255, 255);
    COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    ASSERT_NE(white, highlight);
    list->SetSelect(1, true);
    EXPECT_EQ(highlight, LineBack(list, 1));
    list->SetSelect(3, true);
    EXPECT_EQ(white, LineBack(list, 1));
    EXPECT_EQ(highlight, LineBack(list, 3));
    EXPECT_EQ(white, LineBack(list, 2));
    Paint();
    EXPECT_EQ(highlight, LineBack(list, 3));
    EXPECT_EQ(white, LineBack(list, 4));
}

TEST_F(ListsTest, ClickSelectsTheItemUnderThePointAndSendsLval)
{
    XGListControl* list = Make(kSingle, 6);
    ClickRow(list, 2);
    EXPECT_EQ(std::vector<long>{2}, Selected(list));
    ClickRow(list, 4);
    EXPECT_EQ(std::vector<long>{4}, Selected(list));
    EXPECT_EQ((std::vector<std::string>{"lval 5", "lval 5"}), fHost->fLog);
}

TEST_F(ListsTest, ClickBelowTheLastItemClearsTheSelectionAndStillSendsLval)
{
    XGListControl* list = Make(kMultiple, 3);
    list->SetSelect(0, true);
    list->SetSelect(2, true);
    ClickRow(list, 5);
    EXPECT_TRUE(Selected(list).empty());
    EXPECT_EQ(std::vector<std::string>{"lval 5"}, fHost->fLog);
}

TEST_F(ListsTest, ShiftClickAddsToOrTakesFromAMultipleSelection)
{
    XGListControl* list = Make(kMultiple, 6);
    ClickRow(list, 1);
    Shift(true);
    ClickRow(list, 3);
    ClickRow(list, 4);
    EXPECT_EQ((std::vector<long>{1, 3, 4}), Selected(list));
    ClickRow(list, 3);
    EXPECT_EQ((std::vector<long>{1, 4}), Selected(list));
    Shift(false);
    ClickRow(list, 2);
    EXPECT_EQ(std::vector<long>{2}, Selected(list));
}

TEST_F(ListsTest, KeepSelectClicksToggleWithoutClearing)
{
    XGListControl* list = Make(kKeep, 6);
    ClickRow(list, 1);
    ClickRow(list, 3);
    EXPECT_EQ((std::vector<long>{1, 3}), Selected(list));
    ClickRow(list, 1);
    EXPECT_EQ(std::vector<long>{3}, Selected(list));
    ClickRow(list, 5);  // below the last item: nothing changes
    EXPECT_EQ((std::vector<long>{3, 5}), Selected(list));
}

struct DoubleCase {
    ListOptions options;
    bool selectedAfter;
};

TEST_F(ListsTest, DoubleClickSendsLselAndInvertsTheFlagASecondTime)
{
    const DoubleCase cases[] = {
        {kKeep, false},    // the second inversion takes the item out again
        {kSingle, true},   // cleared first, then inverted back in
    };
    for (const DoubleCase& c : cases) {
        XGListControl* list = Make(c.options, 6);
        fHost->fLog.clear();
        ClickRow(list, 2);
        ClickRow(list, 2, true);
        EXPECT_EQ(c.selectedAfter, list->GetSelect(2)) << "keep " << c.options.keepSelect;
        EXPECT_EQ((std::vector<std::string>{"lval 5", "lsel 5"}), fHost->fLog);
        delete list;
    }
}

TEST_F(ListsTest, ScrolledThreeLinesAClickHitsTheFourthItemOnTheSecondRow)
{
    XGListControl* list = Make(kSingle, 20);
    long step = list->GetPixelStep();
    ASSERT_GT(step, 4);
    list->SetScrollValue(0, 3);
    Click(list, step + step / 4);
    EXPECT_EQ(std::vector<long>{4}, Selected(list));
}

TEST_F(ListsTest, RangesAndPagesFollowItemsFontAndSize)
{
    XGListControl* list = Make(kSingle, 10);
    long step = list->GetPixelStep();
    ASSERT_GT(step, 4);
    // Content six lines and four pixels high: one pixel of frame on each side.
    tagRECT r = {kLeft, kTop, 210, long(kTop + 6 * step + 4 + 2)};
    list->SetLocation(r);
    EXPECT_EQ(6 * step + 4, list->GetListView()->GetSize().v);
    EXPECT_EQ(0, list->GetVScroll()->GetMinValue());
    EXPECT_EQ(4, list->GetVScroll()->GetMaxValue());
    EXPECT_EQ(6, list->GetVScroll()->GetPageSize());

    // Tall enough for every item: nothing to scroll.
    tagRECT tall = {kLeft, kTop, 210, long(kTop + 10 * step + 2)};
    list->SetLocation(tall);
    EXPECT_EQ(0, list->GetVScroll()->GetMaxValue());
    EXPECT_EQ(10, list->GetVScroll()->GetPageSize());
}

TEST_F(ListsTest, HorizontalRangeCoversTheWidestItem)
{
    ListOptions both = {false, false, 120, true};
    XGListControl* narrow = Make(both, 3);
    EXPECT_EQ(0, narrow->GetHScroll()->GetMaxValue());
    delete narrow;
    XGListControl* wide = Make(both, 60);  // 60 W's run far past 200 pixels
    EXPECT_GT(wide->GetHScroll()->GetMaxValue(), 0);
    long step = wide->GetPixelStep();
    long width = wide->GetListView()->GetSize().h;
    // The whole widest text plus its margin fits once scrolled to the end.
    EXPECT_GE(width + wide->GetHScroll()->GetMaxValue() * step, 60 * 8);
}

TEST_F(ListsTest, MovingTheBarScrollsTheLinesUp)
{
    XGListControl* list = Make(kSingle, 20);
    Paint();
    int before = TextEnd(list, 0);
    ASSERT_GT(before, 0);
    HWND bar = list->GetVScroll()->GetControl();
    for (int i = 0; i < 3; ++i)
        SendMessageA(Root(), WM_VSCROLL, SB_LINEDOWN, LPARAM(bar));
    Pump();
    long h = 0;
    long v = 0;
    list->GetScrollValue(&h, &v);
    EXPECT_EQ(3, v);
    // Row 0 now shows item 3, "WWWW", three letters longer than "W".
    int after = TextEnd(list, 0);
    EXPECT_GT(after, before + 2 * (before - 5));
    // Redrawn from scratch, the same.
    Paint();
    EXPECT_EQ(after, TextEnd(list, 0));
}

TEST_F(ListsTest, AreaBelowTheLastItemIsErased)
{
    XGListControl* list = Make(kSingle, 2);
    Paint();
    XGListView* view = list->GetListView();
    long step = list->GetPixelStep();
    for (long y = 2 * step; y < view->GetSize().v; y += 7)
        EXPECT_EQ(RGB(255, 255, 255),
                  Pixel(Root(), view->GetGlobalPos().h + 5, int(view->GetGlobalPos().v + y)))
            << "y " << y;
}

TEST_F(ListsTest, TheListGivesItsFontBackWhenDestroyed)
{
    long before = XGFont::gFontArray.Length();
    XGListControl* list = Make(kSingle, 3);
    Paint();
    EXPECT_EQ(before + 1, XGFont::gFontArray.Length());
    delete list;
    EXPECT_EQ(before, XGFont::gFontArray.Length());
}

TEST_F(ListsTest, UnknownFontNumberStillDrawsAndMeasures)
{
    Args a = Args::View('list', kListID, kLeft, kTop, 210, 130)
                 .Bool(false).Bool(true).Bool(false).Bool(false).Int(77).Bool(false);
    XGArgStream s = a.Stream();
    XGListControl* list = new XGListControl(fHost, s);
    EXPECT_EQ(nullptr, list->GetFont());
    unsigned char flag = 0;
    list->GetList()->AppendString("item", &flag);
    list->GetListView()->CalcResize();
    EXPECT_GT(list->GetPixelStep(), 1);
    Paint();
    ClickRow(list, 0);
    EXPECT_EQ(std::vector<long>{0}, Selected(list));
}

TEST_F(ListsTest, ApplicationRegistersTheListCode)
{
    bool found = false;
    for (long i = 0; i < XGViewFactory::gList.Length(); ++i)
        found = found || XGViewFactory::gList[i].fCode == 'list';
    EXPECT_TRUE(found);
}

}  // namespace

extern const unsigned char ListsTree[];
extern const long ListsTreeSize;

namespace {

TEST_F(ListsTest, RecordsBuildTheScrollViewAndTheListThroughTheFactory)
{
    XGViewTemplate<XGScrollView>::Register('scrv');
    XGView* tree = XGViewFactory::CreateFromData(ListsTree, ListsTreeSize, fHost);
    ASSERT_NE(nullptr, tree);

    XGScrollView* scroll = dynamic_cast<XGScrollView*>(tree->FindViewByID(31));
    ASSERT_NE(nullptr, scroll);
    EXPECT_EQ(nullptr, dynamic_cast<XGListControl*>(scroll));
    EXPECT_TRUE(scroll->HasCorner());
    ASSERT_NE(nullptr, scroll->GetHScroll());
    ASSERT_NE(nullptr, scroll->GetVScroll());
    XGView* content = tree->FindViewByID(33);
    ASSERT_NE(nullptr, content);
    EXPECT_EQ(scroll, content->GetParent());
    Point bar = XGScrollBar::GetDefaultSize();
    EXPECT_EQ(1, content->GetPos().h);
    EXPECT_EQ(118 - bar.h, content->GetSize().h);
    EXPECT_EQ(98 - bar.v, content->GetSize().v);

    XGListControl* list = dynamic_cast<XGListControl*>(tree->FindViewByID(32));
    ASSERT_NE(nullptr, list);
    EXPECT_TRUE(list->IsMultiSelect());
    EXPECT_TRUE(list->IsKeepSelect());
    ASSERT_NE(nullptr, list->GetFont());
    EXPECT_EQ(1, list->GetFont()->GetFontResID());
    EXPECT_EQ(nullptr, list->GetHScroll());
    ASSERT_NE(nullptr, list->GetVScroll());
    EXPECT_FALSE(list->HasCorner());
    EXPECT_EQ(0, list->Length());
}

TEST_F(ListsTest, DestroyingTheScrollViewDestroysItsNativeBars)
{
    ListOptions both = {false, false, 120, true};
    XGListControl* list = Make(both, 3);
    HWND h = list->GetHScroll()->GetControl();
    HWND v = list->GetVScroll()->GetControl();
    ASSERT_TRUE(IsWindow(h));
    ASSERT_TRUE(IsWindow(v));
    delete list;
    EXPECT_FALSE(IsWindow(h));
    EXPECT_FALSE(IsWindow(v));
    EXPECT_EQ(nullptr, fHost->GetChild());
}

}  // namespace

namespace {

TEST_F(ListsTest, SingleSelectionRedrawsOnlyTheTwoLinesThatChange)
{
    XGListControl* list = Make(kSingle, 6);
    Paint();
    list->SetSelect(1, true);
    Pump();
    // Mark every line on the window itself; a line redrawn loses its mark.
    XGListView* view = list->GetListView();
    RECT strip = {view->GetGlobalPos().h + view->GetSize().h - 6, view->GetGlobalPos().v,
                  view->GetGlobalPos().h + view->GetSize().h, view->GetGlobalPos().v + view->GetSize().v};
    HDC dc = GetDC(Root());
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(dc, &strip, red);
    DeleteObject(red);
    ReleaseDC(Root(), dc);

    list->SetSelect(3, true);
    EXPECT_EQ(RGB(255, 255, 255), LineBack(list, 1));
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), LineBack(list, 3));
    for (long row : {0L, 2L, 4L, 5L})
        EXPECT_EQ(RGB(255, 0, 0), LineBack(list, row)) << "row " << row;
}

TEST_F(ListsTest, DisabledListDrawsGreyTextAndNoHighlight)
{
    Args a = Args::View('list', kListID, kLeft, kTop, 210, 130, true, false)
                 .Bool(false).Bool(true).Bool(false).Bool(false).Int(1).Bool(false);
    XGArgStream s = a.Stream();
    XGListControl* list = new XGListControl(fHost, s);
    unsigned char flag = 0;
    list->GetList()->AppendString("WWWWWWWW", &flag);
    list->GetList()->AppendString("WWWWWWWW", &flag);
    list->GetListView()->CalcResize();
    list->SetSelect(1, true);
    Paint();
    EXPECT_EQ(RGB(255, 255, 255), LineBack(list, 1));
    XGListView* view = list->GetListView();
    COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    bool grey = false;
    for (int x = 5; x < 60 && !grey; ++x) {
        for (long y = 0; y < list->GetPixelStep() && !grey; ++y)
            grey = Pixel(Root(), view->GetGlobalPos().h + x, int(view->GetGlobalPos().v + y)) == shadow;
    }
    EXPECT_TRUE(grey);
}

}  // namespace
