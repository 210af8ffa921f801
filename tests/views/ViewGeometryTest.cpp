#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "ViewsTestHost.h"
#include "records/XGArgStream.h"
#include "foundation/XGError.h"
#include "views/XGView.h"

using namespace viewstest;

namespace {

void ExpectRect(const tagRECT& r, int32_t l, int32_t t, int32_t rr, int32_t b)
{
    EXPECT_EQ(r.left, l);
    EXPECT_EQ(r.top, t);
    EXPECT_EQ(r.right, rr);
    EXPECT_EQ(r.bottom, b);
}

// Counts the move and size notifications a view receives.
class CountingView : public XGView {
public:
    CountingView(XGView* parent, XGSViewInitRecord record) : XGView(parent, record) {}
    void DoMoveView() override
    {
        ++moves;
        XGView::DoMoveView();
    }
    void DoSizeView() override
    {
        ++sizes;
        XGView::DoSizeView();
    }
    int moves = 0;
    int sizes = 0;
};

class TitledView : public XGView {
public:
    TitledView(XGView* parent, XGSViewInitRecord record, const char* title)
        : XGView(parent, record), fTitle(title)
    {
    }
    void GetTitle(char* out) const override { strcpy(out, fTitle); }

private:
    const char* fTitle;
};

class ViewGeometry : public ::testing::Test {
protected:
    void SetUp() override { root.reset(MakeRoot(host)); }
    Host& host = Host::Shared();
    std::unique_ptr<XGView> root;
};

}  // namespace

TEST_F(ViewGeometry, LocksAndOffsetsPlaceTheViewInItsParent)
{
    struct Case {
        XGSViewInitRecord record;
        tagRECT expected;
    } cases[] = {
        {Fill(1), Rect(0, 0, 400, 300)},
        {Fixed(2, 355, 202, 390, 257), Rect(355, 202, 390, 257)},
        {Record(3, true, true, true, false, 80, 14, -14, 30), Rect(80, 14, 386, 30)},
        {Record(4, false, false, true, true, -16, -16, 0, 0), Rect(384, 284, 400, 300)},
        {Record(5, true, false, true, true, 10, -40, -10, -5), Rect(10, 260, 390, 295)},
    };
    for (Case& c : cases) {
        XGView* view = new XGView(root.get(), c.record);
        tagRECT placed = view->GetGlobalRect();
        ExpectRect(placed, c.expected.left, c.expected.top, c.expected.right, c.expected.bottom);
        EXPECT_EQ(view->GetPos().h, c.expected.left);
        EXPECT_EQ(view->GetPos().v, c.expected.top);
        EXPECT_EQ(view->GetSize().h, c.expected.right - c.expected.left);
        EXPECT_EQ(view->GetSize().v, c.expected.bottom - c.expected.top);
        delete view;
    }
}

TEST_F(ViewGeometry, ViewFillingItsParentFollowsTheParentsResize)
{
    XGView* panel = new XGView(root.get(), Fixed(1, 20, 30, 220, 130));
    XGView* filler = new XGView(panel, Fill(2));
    XGView* corner = new XGView(panel, Record(3, false, false, true, true, -16, -16, 0, 0));
    ExpectRect(filler->GetGlobalRect(), 20, 30, 220, 130);

    panel->SetLocation(Rect(20, 30, 320, 230));
    EXPECT_EQ(filler->GetSize().h, 300);
    EXPECT_EQ(filler->GetSize().v, 200);
    ExpectRect(filler->GetGlobalRect(), 20, 30, 320, 230);
    ExpectRect(corner->GetGlobalRect(), 304, 214, 320, 230);
}

TEST_F(ViewGeometry, GlobalPositionsAddUpThroughTheTreeAndFollowAMove)
{
    XGView* outer = new XGView(root.get(), Fixed(1, 10, 20, 210, 220));
    XGView* inner = new XGView(outer, Fixed(2, 5, 6, 105, 106));
    XGView* leaf = new XGView(inner, Fixed(3, 1, 2, 11, 12));
    EXPECT_EQ(leaf->GetGlobalPos().h, 16);
    EXPECT_EQ(leaf->GetGlobalPos().v, 28);

    outer->SetLocation(Rect(50, 60, 250, 260));
    EXPECT_EQ(inner->GetGlobalPos().h, 55);
    EXPECT_EQ(inner->GetGlobalPos().v, 66);
    EXPECT_EQ(leaf->GetGlobalPos().h, 56);
    EXPECT_EQ(leaf->GetGlobalPos().v, 68);
    ExpectRect(leaf->GetGlobalRect(), 56, 68, 66, 78);
    EXPECT_EQ(leaf->GetPos().h, 1);

    Point p = Pt(3, 4);
    leaf->ViewToGlobal(&p);
    EXPECT_EQ(p.h, 59);
    EXPECT_EQ(p.v, 72);
    leaf->GlobalToView(&p);
    EXPECT_EQ(p.h, 3);
    EXPECT_EQ(p.v, 4);
}

TEST_F(ViewGeometry, MovingCallsOnlyDoMoveViewAndResizingOnlyDoSizeView)
{
    CountingView* view = new CountingView(root.get(), Fixed(1, 10, 10, 60, 60));
    view->SetLocation(Rect(20, 20, 70, 70));
    EXPECT_EQ(view->moves, 1);
    EXPECT_EQ(view->sizes, 0);

    view->SetLocation(Rect(20, 20, 90, 90));
    EXPECT_EQ(view->moves, 1);
    EXPECT_EQ(view->sizes, 1);

    view->SetLocation(Rect(20, 20, 90, 90));
    EXPECT_EQ(view->moves, 1);
    EXPECT_EQ(view->sizes, 1);
}

TEST_F(ViewGeometry, ChildrenWhoseGlobalPositionStaysAreNotVisitedByAMove)
{
    CountingView* parent = new CountingView(root.get(), Fixed(1, 10, 10, 110, 110));
    CountingView* child = new CountingView(parent, Fixed(2, 0, 0, 20, 20));
    CountingView* grandchild = new CountingView(child, Fixed(3, 5, 5, 10, 10));
    parent->SetLocation(Rect(30, 10, 130, 110));
    EXPECT_EQ(child->moves, 1);
    EXPECT_EQ(grandchild->moves, 1);
    EXPECT_EQ(child->GetGlobalPos().h, 30);

    // Propagating again finds every global position as it is: the parent hears of its
    // move, but nobody below it is visited.
    parent->CalcPos();
    EXPECT_EQ(parent->moves, 2);
    EXPECT_EQ(child->moves, 1);
    EXPECT_EQ(grandchild->moves, 1);
}

TEST_F(ViewGeometry, ChildPartlyOutsideIsClippedAndWhollyOutsideIsEmpty)
{
    XGView* parent = new XGView(root.get(), Fixed(1, 100, 100, 200, 200));
    XGView* partly = new XGView(parent, Fixed(2, 50, 50, 150, 150));
    XGView* outside = new XGView(parent, Fixed(3, 150, 0, 200, 50));
    ExpectRect(partly->GetGlobalRect(), 150, 150, 200, 200);
    ExpectRect(outside->GetGlobalRect(), 0, 0, 0, 0);
    EXPECT_EQ(parent->FindClick(Pt(260, 110)), nullptr);
    EXPECT_EQ(root->FindClick(Pt(260, 110)), root.get());
    EXPECT_EQ(root->FindClick(Pt(0, 0)), root.get());
}

TEST_F(ViewGeometry, ChildCutAwayBySmallParentReappearsWhenTheParentGrows)
{
    XGView* frame = new XGView(root.get(), Fill(1));
    XGView* content = new XGView(frame, Fixed(2, 0, 0, 300, 200));
    XGView* button = new XGView(content, Fixed(3, 250, 150, 290, 190));
    frame->SetLocation(Rect(0, 0, 100, 100));
    ExpectRect(content->GetGlobalRect(), 0, 0, 100, 100);
    ExpectRect(button->GetGlobalRect(), 0, 0, 0, 0);

    frame->SetLocation(Rect(0, 0, 400, 300));
    ExpectRect(content->GetGlobalRect(), 0, 0, 300, 200);
    ExpectRect(button->GetGlobalRect(), 250, 150, 290, 190);
    EXPECT_EQ(root->FindClick(Pt(260, 160)), button);
}

TEST_F(ViewGeometry, HitTestCountsTheRightAndBottomEdgesAndPrefersTheLaterSibling)
{
    XGView* first = new XGView(root.get(), Fixed(1, 10, 10, 50, 50));
    XGView* second = new XGView(root.get(), Fixed(2, 40, 40, 80, 80));
    struct Case {
        short h, v;
        XGView* expected;
    } cases[] = {
        {10, 10, first}, {50, 30, first}, {30, 50, first}, {45, 45, second},
        {80, 80, second}, {81, 60, root.get()}, {9, 30, root.get()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(root->FindClick(Pt(c.h, c.v)), c.expected) << c.h << "," << c.v;
    tagRECT r = first->GetGlobalRect();
    EXPECT_FALSE(RectMath::PtInRect(Pt(50, 30), &r));
}

TEST_F(ViewGeometry, HiddenOrDisabledViewsAreNotHit)
{
    XGSViewInitRecord hidden = Fixed(1, 10, 10, 50, 50);
    hidden.fVisible = false;
    XGSViewInitRecord disabled = Fixed(2, 60, 10, 100, 50);
    disabled.fEnabled = false;
    new XGView(root.get(), hidden);
    XGView* off = new XGView(root.get(), disabled);
    new XGView(off, Fill(3));
    EXPECT_EQ(root->FindClick(Pt(20, 20)), root.get());
    EXPECT_EQ(root->FindClick(Pt(70, 20)), root.get());
}

TEST_F(ViewGeometry, HidingAParentHidesItsDescendantsWhoseOwnFlagsStaySet)
{
    XGSViewInitRecord hidden = Fixed(1, 10, 10, 100, 100);
    hidden.fVisible = false;
    XGView* parent = new XGView(root.get(), hidden);
    XGView* child = new XGView(parent, Fill(2));
    XGView* grandchild = new XGView(child, Fill(3));
    EXPECT_FALSE(child->IsVisible());
    EXPECT_FALSE(grandchild->IsVisible());

    parent->ShowView();
    EXPECT_TRUE(parent->IsVisible());
    EXPECT_TRUE(grandchild->IsVisible());
}

TEST_F(ViewGeometry, TabOrderFollowsViewIDsNotTheTree)
{
    auto tab = [](short id) {
        XGSViewInitRecord r = Fixed(id, 0, 0, 10, 10);
        r.fTabStop = true;
        return r;
    };
    XGView* three = new XGView(root.get(), tab(3));
    XGView* one = new XGView(root.get(), tab(1));
    XGView* two = new XGView(three, tab(2));
    new XGView(root.get(), tab(0));
    XGSViewInitRecord notStop = Fixed(4, 0, 0, 10, 10);
    new XGView(root.get(), notStop);
    XGSViewInitRecord disabled = tab(5);
    disabled.fEnabled = false;
    new XGView(root.get(), disabled);

    EXPECT_EQ(root->FindFirstView(), one);
    EXPECT_EQ(root->FindAfterView(1), two);
    EXPECT_EQ(root->FindAfterView(2), three);
    EXPECT_EQ(root->FindAfterView(3), nullptr);
    EXPECT_EQ(root->FindLastView(), three);
    EXPECT_EQ(root->FindBeforeView(3), two);
    EXPECT_EQ(root->FindBeforeView(1), nullptr);
    EXPECT_EQ(root->FindBeforeView(0), nullptr);
    EXPECT_EQ(three->FindFirstView(), two);
}

TEST_F(ViewGeometry, EqualTabIDsGoToTheViewMetFirstInPreOrder)
{
    XGSViewInitRecord r = Fixed(7, 0, 0, 10, 10);
    r.fTabStop = true;
    XGView* parent = new XGView(root.get(), r);
    new XGView(parent, r);
    new XGView(root.get(), r);
    EXPECT_EQ(root->FindFirstView(), parent);
    EXPECT_EQ(root->FindLastView(), parent);
}

TEST_F(ViewGeometry, LookUpByIDAndPreOrderSuccessor)
{
    XGView* a = new XGView(root.get(), Fixed(10, 0, 0, 10, 10));
    XGView* a1 = new XGView(a, Fixed(11, 0, 0, 10, 10));
    XGView* a2 = new XGView(a, Fixed(12, 0, 0, 10, 10));
    XGView* b = new XGView(root.get(), Fixed(12, 0, 0, 10, 10));

    EXPECT_EQ(root->FindViewByID(12), a2);
    EXPECT_EQ(root->FindViewByID(0), root.get());
    EXPECT_EQ(b->FindViewByID(12), b);
    EXPECT_EQ(root->FindViewByID(99), nullptr);

    EXPECT_EQ(root->FindNextView(), a);
    EXPECT_EQ(a->FindNextView(), a1);
    EXPECT_EQ(a1->FindNextView(), a2);
    EXPECT_EQ(a2->FindNextView(), b);
    EXPECT_EQ(b->FindNextView(), nullptr);
}

TEST_F(ViewGeometry, AcceleratorMatchesTheLetterAfterAnyAmpersandInEitherCase)
{
    TitledView* plain = new TitledView(root.get(), Fixed(1, 0, 0, 10, 10), "Name");
    TitledView* upper = new TitledView(root.get(), Fixed(2, 0, 0, 10, 10), "&Next");
    TitledView* lower = new TitledView(root.get(), Fixed(3, 0, 0, 10, 10), "Fi&le &new");
    (void)plain;
    EXPECT_EQ(root->FindViewByAccel('n'), upper);
    EXPECT_EQ(root->FindViewByAccel('N'), upper);
    EXPECT_EQ(root->FindViewByAccel('l'), lower);
    EXPECT_EQ(lower->FindViewByAccel('n'), lower);
    EXPECT_EQ(root->FindViewByAccel('a'), nullptr);
    EXPECT_EQ(root->FindViewByAccel('x'), nullptr);
}

TEST_F(ViewGeometry, InvalViewMarksItsAreaOfTheRootWindow)
{
    XGView* view = new XGView(root.get(), Fixed(1, 100, 50, 200, 150));
    ValidateRect(host.hwnd(), nullptr);
    tagRECT area = Rect(10, 20, 30, 40);
    view->InvalView(&area);
    RECT update;
    ASSERT_TRUE(GetUpdateRect(host.hwnd(), &update, FALSE));
    ExpectRect(update, 110, 70, 130, 90);

    ValidateRect(host.hwnd(), nullptr);
    tagRECT beside = Rect(200, 0, 300, 50);
    view->InvalView(&beside);
    EXPECT_FALSE(GetUpdateRect(host.hwnd(), &update, FALSE));
}

TEST_F(ViewGeometry, InvalViewWithoutRootWindowDoesNothing)
{
    std::unique_ptr<XGView> loose(new XGView(static_cast<XGWindow*>(nullptr)));
    XGView* child = new XGView(loose.get(), Fill(1));
    EXPECT_EQ(child->GetRootWindow(), nullptr);
    ValidateRect(host.hwnd(), nullptr);
    child->InvalView(nullptr);
    RECT update;
    EXPECT_FALSE(GetUpdateRect(host.hwnd(), &update, FALSE));
}

TEST_F(ViewGeometry, DestroyingAViewDestroysItsSubtreeAndUnlinksIt)
{
    static int destroyed;
    destroyed = 0;
    struct Dying : XGView {
        Dying(XGView* p, XGSViewInitRecord r) : XGView(p, r) {}
        ~Dying() override { ++destroyed; }
    };
    XGView* a = new Dying(root.get(), Fixed(1, 0, 0, 10, 10));
    XGView* b = new Dying(root.get(), Fixed(2, 0, 0, 10, 10));
    XGView* c = new Dying(root.get(), Fixed(3, 0, 0, 10, 10));
    new Dying(b, Fixed(4, 0, 0, 10, 10));
    new Dying(b, Fixed(5, 0, 0, 10, 10));

    delete b;
    EXPECT_EQ(destroyed, 3);
    EXPECT_EQ(a->GetSibling(), c);
    delete a;
    EXPECT_EQ(root->GetChild(), c);
    EXPECT_EQ(root->FindViewByID(4), nullptr);
}

TEST_F(ViewGeometry, PlainViewHasNoTitle)
{
    XGView* view = new XGView(root.get(), Fixed(1, 0, 0, 10, 10));
    char title[8] = "x";
    view->GetTitle(title);
    EXPECT_STREQ(title, "");
    EXPECT_THROW(view->SetTitle("Name"), XGError);
}

TEST_F(ViewGeometry, WindowPartStartsAtAThousandSquareWithoutParent)
{
    std::unique_ptr<XGView> part(new XGView(static_cast<XGWindow*>(nullptr)));
    ExpectRect(part->GetGlobalRect(), 0, 0, 1000, 1000);
    EXPECT_EQ(part->GetViewID(), 0);
    EXPECT_TRUE(part->IsVisible());
    EXPECT_FALSE(part->IsTabStop());
    EXPECT_EQ(part->GetParent(), nullptr);
}

TEST_F(ViewGeometry, StreamConstructorReadsTheCommonFieldsOfARecord)
{
    // The first 'ptb1' record of the start screen, from its class code on.
    const unsigned char record[] = {
        0x70, 0x74, 0x62, 0x31, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00,
        0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00,
        0x00, 0x00, 0x01, 0x63, 0x00, 0x00, 0x01, 0x92, 0x00, 0x00, 0x01, 0xEA, 0x00, 0x00, 0x01, 0xC9,
        0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00,
    };
    XGArgStream stream(record, sizeof(record));
    XGView* view = new XGView(root.get(), stream);
    EXPECT_EQ(view->GetViewType(), long('ptb1'));
    EXPECT_EQ(view->GetViewID(), 1);
    EXPECT_EQ(view->GetPos().h, 355);
    EXPECT_EQ(view->GetPos().v, 402);
    EXPECT_EQ(view->GetSize().h, 135);
    EXPECT_EQ(view->GetSize().v, 55);
    EXPECT_FALSE(view->IsVisible());
    EXPECT_TRUE(view->IsEnabled());
    EXPECT_FALSE(view->IsTabStop());
    EXPECT_EQ(root->GetChild(), view);
    EXPECT_EQ(view->GetRootWindow(), host.hwnd());
}

TEST_F(ViewGeometry, ViewToScreenAddsTheClientOriginOfTheRootWindow)
{
    XGView* view = new XGView(root.get(), Fixed(1, 100, 50, 200, 150));
    SetWindowPos(host.hwnd(), nullptr, 30, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    tagRECT r = Rect(1, 2, 3, 4);
    view->ViewToScreen(&r);
    SetWindowPos(host.hwnd(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ExpectRect(r, 131, 92, 133, 94);
}

TEST_F(ViewGeometry, ScrollingByLessThanTheAreaMovesPixelsAndMoreRedrawsTheView)
{
    XGView* view = new XGView(root.get(), Fixed(1, 100, 50, 200, 150));
    host.Clear(RGB(0, 128, 0));
    HDC dc = GetDC(host.hwnd());
    RECT spot = {110, 60, 112, 62};
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(dc, &spot, red);
    DeleteObject(red);
    ReleaseDC(host.hwnd(), dc);

    view->ScrollView(10, 5);
    EXPECT_EQ(host.Pixel(120, 65), RGB(255, 0, 0));
    RECT update;
    ASSERT_TRUE(GetUpdateRect(host.hwnd(), &update, FALSE));
    ExpectRect(update, 100, 50, 200, 150);

    ValidateRect(host.hwnd(), nullptr);
    view->ScrollView(0, 100);
    ASSERT_TRUE(GetUpdateRect(host.hwnd(), &update, FALSE));
    ExpectRect(update, 100, 50, 200, 150);
    EXPECT_EQ(host.Pixel(120, 65), RGB(255, 0, 0));
    ValidateRect(host.hwnd(), nullptr);
}

TEST_F(ViewGeometry, SetFocusMakesTheViewTheFocusObject)
{
    XGView* first = new XGView(root.get(), Fixed(1, 0, 0, 10, 10));
    XGView* second = new XGView(root.get(), Fixed(2, 0, 0, 10, 10));
    first->SetFocus();
    EXPECT_EQ(XGDispatch::GetFocus(), first);
    second->SetFocus();
    EXPECT_TRUE(second->HasFocus());
    EXPECT_FALSE(first->HasFocus());
}

TEST_F(ViewGeometry, ActivationReachesChildrenBeforeTheirParent)
{
    static std::string order;
    order.clear();
    struct Logging : XGView {
        Logging(XGView* p, XGSViewInitRecord r, char name) : XGView(p, r), fName(name) {}
        void DoActivate(bool active) override { order += active ? fName : char(fName - 'a' + 'A'); }
        void DoShowHide() override
        {
            order += '+';
            order += fName;
            XGView::DoShowHide();
        }
        char fName;
    };
    XGSViewInitRecord hidden = Fixed(1, 0, 0, 10, 10);
    hidden.fVisible = false;
    Logging* a = new Logging(root.get(), hidden, 'a');
    new Logging(a, Fill(2), 'b');
    new Logging(a, Fill(3), 'c');
    a->ProcessActivate(true);
    EXPECT_EQ(order, "bca");
    a->ProcessActivate(false);
    EXPECT_EQ(order, "bcaBCA");
    order.clear();
    a->ShowView();
    EXPECT_EQ(order, "+a+b+c");
    order.clear();
    a->ShowView();
    EXPECT_EQ(order, "");
}
