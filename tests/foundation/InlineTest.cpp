#include <gtest/gtest.h>
#include "views/XGInline.h"
#include "views/XGView.h"

namespace {

// A view that only counts how often it is given the focus.
class FocusProbe : public XGView {
public:
    FocusProbe() : XGView(static_cast<XGWindow*>(nullptr)) {}
    void SetFocus() override { ++fFocusCount; }
    int fFocusCount = 0;
};

// Opens an inline element for the length of a test.
class OpenInline {
public:
    explicit OpenInline(XGView* owner) : fInline(owner) { XGInline::gInline = &fInline; }
    ~OpenInline() { XGInline::gInline = nullptr; }

private:
    XGInline fInline;
};

} // namespace

TEST(XGInline, NothingOpenMeansCloseDoesNothing)
{
    FocusProbe view;
    ASSERT_EQ(nullptr, XGInline::gInline);
    XGInline::Close();
    XGInline::CloseInline(&view);
    EXPECT_EQ(0, view.fFocusCount);
}

TEST(XGInline, CloseGivesFocusToOwner)
{
    FocusProbe owner;
    OpenInline open(&owner);
    XGInline::Close();
    EXPECT_EQ(1, owner.fFocusCount);
}

TEST(XGInline, CloseInlineActsOnlyForTheOwningView)
{
    FocusProbe owner, other;
    OpenInline open(&owner);
    XGInline::CloseInline(&other);
    EXPECT_EQ(0, owner.fFocusCount);
    EXPECT_EQ(0, other.fFocusCount);
    XGInline::CloseInline(&owner);
    EXPECT_EQ(1, owner.fFocusCount);
}
