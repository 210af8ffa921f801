#include <gtest/gtest.h>
#include <cstdint>
#include <string>
#include <vector>
#include "dispatch/XGDispatch.h"

namespace {

// Every handler writes its name here, so a test sees who ran and in what order.
std::vector<std::string> gCalls;

class Base : public XGDispatch {
public:
    XG_DECLARE_DISPATCH(Base)

    long fBaseResult = 0;

    long BaseKey(long arg, void*) { gCalls.push_back("Base.keye " + std::to_string(arg)); return fBaseResult; }
    long BaseOnly(long, void*) { gCalls.push_back("Base.only"); return 7; }
};

// long Handler(long arg, void* data); -1 passes the message on.
XG_BEGIN_DISPATCH(Base, XGDispatch)
    XG_ON('keye', BaseKey)
    XG_ON('only', BaseOnly)
XG_END_DISPATCH()

class Derived : public Base {
public:
    XG_DECLARE_DISPATCH(Derived)

    long fDerivedResult = -1;
    long fFilterResult = -1;
    XGDispatch* fParent = nullptr;

    long Filter(long msg, long, void*)
    {
        if (msg == 'keye')
            gCalls.push_back("Derived.filter");
        return fFilterResult;
    }
    long DerivedKey(long, void*) { gCalls.push_back("Derived.keye"); return fDerivedResult; }
    long DuplicateKey(long, void*) { gCalls.push_back("Derived.duplicate"); return 99; }

protected:
    XGDispatch* GetParentDispatch() override { return fParent; }
};

XG_BEGIN_DISPATCH_WITH(Derived, Base, &Derived::Filter)
    XG_ON('keye', DerivedKey)
    XG_ON('keye', DuplicateKey)
XG_END_DISPATCH()

class Parent : public XGDispatch {
public:
    XG_DECLARE_DISPATCH(Parent)
    long ParentKey(long, void*) { gCalls.push_back("Parent.keye"); return 5; }
    long ParentOnly(long, void*) { gCalls.push_back("Parent.only"); return 6; }
    long ParentPost(long, void*) { gCalls.push_back("Parent.post"); return 8; }
};

XG_BEGIN_DISPATCH(Parent, XGDispatch)
    XG_ON('keye', ParentKey)
    XG_ON('only', ParentOnly)
    XG_ON('post', ParentPost)
XG_END_DISPATCH()

class Recorder : public XGDispatch {
public:
    XG_DECLARE_DISPATCH(Recorder)
    long fArg = 0;
    void* fData = nullptr;
    long Take(long arg, void* data) { fArg = arg; fData = data; return 1; }
    void DoGainFocus() override { gCalls.push_back("gain"); }
    void DoLoseFocus() override { gCalls.push_back("lose"); }
};

XG_BEGIN_DISPATCH(Recorder, XGDispatch)
    XG_ON('take', Take)
XG_END_DISPATCH()

class DispatchTest : public ::testing::Test {
protected:
    void SetUp() override { gCalls.clear(); }
};

TEST_F(DispatchTest, FilterMemberRunsBeforeTheTableThenDerivedThenBase)
{
    Derived d;
    EXPECT_EQ(0, d.DoDispatch('keye', 3, nullptr, true));
    EXPECT_EQ((std::vector<std::string> {"Derived.filter", "Derived.keye", "Base.keye 3"}), gCalls);
}

TEST_F(DispatchTest, FilterAnswerEndsTheSearch)
{
    Derived d;
    d.fFilterResult = 0;
    EXPECT_EQ(0, d.DoDispatch('keye', 0, nullptr, true));
    EXPECT_EQ((std::vector<std::string> {"Derived.filter"}), gCalls);
}

TEST_F(DispatchTest, DerivedAnswerHidesBaseAndLaterDuplicate)
{
    Derived d;
    d.fDerivedResult = 0;
    EXPECT_EQ(0, d.DoDispatch('keye', 0, nullptr, true));
    EXPECT_EQ((std::vector<std::string> {"Derived.filter", "Derived.keye"}), gCalls);
}

TEST_F(DispatchTest, DuplicateCodeInOneTableIsNeverCalled)
{
    Derived d;
    d.fBaseResult = -1;     // nobody answers: every class and parent is tried
    EXPECT_EQ(-1, d.DoDispatch('keye', 0, nullptr, true));
    for (const std::string& call : gCalls)
        EXPECT_NE("Derived.duplicate", call);
}

TEST_F(DispatchTest, UnhandledMessageClimbsToTheParent)
{
    Parent parent;
    Derived d;
    d.fParent = &parent;
    d.fBaseResult = -1;
    EXPECT_EQ(5, d.DoDispatch('keye', 1, nullptr, true));
    EXPECT_EQ((std::vector<std::string> {"Derived.filter", "Derived.keye", "Base.keye 1", "Parent.keye"}), gCalls);
}

TEST_F(DispatchTest, HandledMessageStaysWithTheReceiver)
{
    Parent parent;
    Derived d;
    d.fParent = &parent;
    EXPECT_EQ(7, d.DoDispatch('only', 0, nullptr, true));
    EXPECT_EQ((std::vector<std::string> {"Base.only"}), gCalls);
}

TEST_F(DispatchTest, WithoutUpTheParentIsNeverVisited)
{
    Parent parent;
    Derived d;
    d.fParent = &parent;
    EXPECT_EQ(-1, d.DoDispatch('post', 0, nullptr, false));
    EXPECT_TRUE(gCalls.empty());
    EXPECT_EQ(8, d.DoDispatch('post', 0, nullptr, true));
}

TEST_F(DispatchTest, UnknownCodeReturnsMinusOne)
{
    Derived d;
    EXPECT_EQ(-1, d.DoDispatch('none', 0, nullptr, true));
}

TEST_F(DispatchTest, HandlerGetsArgAndFullWidthData)
{
    Recorder r;
    int target = 0;
    EXPECT_EQ(1, r.DoDispatch('take', -2, &target, true));
    EXPECT_EQ(-2, r.fArg);
    EXPECT_EQ(&target, r.fData);
}

TEST_F(DispatchTest, SendDispatchWithoutFocusDoesNothing)
{
    ASSERT_EQ(nullptr, XGDispatch::GetFocus());
    EXPECT_EQ(-1, XGDispatch::SendDispatch('take', 1, nullptr));
}

TEST_F(DispatchTest, SendDispatchStartsAtTheFocusAndClimbs)
{
    Parent parent;
    Derived d;
    d.fParent = &parent;
    d.fBaseResult = -1;
    d.SetFocus();
    EXPECT_TRUE(d.HasFocus());
    EXPECT_EQ(5, XGDispatch::SendDispatch('keye', 0, nullptr));
    EXPECT_EQ("Parent.keye", gCalls.back());
}

TEST_F(DispatchTest, SetFocusTellsTheOldFocusFirstAndIgnoresRepeats)
{
    Recorder a;
    Recorder b;
    a.SetFocus();
    gCalls.clear();
    b.SetFocus();
    b.SetFocus();
    EXPECT_EQ((std::vector<std::string> {"lose", "gain"}), gCalls);
    EXPECT_EQ(&b, XGDispatch::GetFocus());
}

}
