// The factories with real windows: look-up, fallback, build order, resources,
// and damaged trees refused without leaving anything behind.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <typeinfo>
#include <vector>

#include "VresEncoder.h"
#include "VresText.h"
#include "records/XGArgStream.h"
#include "foundation/XGError.h"
#include "forms/XGViewFactory.h"
#include "forms/XGViewTemplate.h"
#include "views/XGWindow.h"
#include "../support/TestWin32.h"
#include "forms/XGWindowFactory.h"
#include "forms/XGWindowTemplate.h"

namespace {

// Every test view logs its construction; the count of live ones shows leaks.
std::vector<short> gBuildOrder;
int gLiveViews = 0;
short gThrowForID = -1;

class TestView : public XGView {
public:
    TestView(XGView* parent, XGArgStream& stream) : XGView(parent, stream)
    {
        fExtra = stream.ReadInteger();
        stream.ReadString(fText);
        TestView* testParent = dynamic_cast<TestView*>(parent);
        fParentWasComplete = parent == nullptr || testParent == nullptr || testParent->fComplete;
        fChildrenAtBirth = 0;
        for (XGView* child = GetChild(); child; child = child->GetSibling())
            fChildrenAtBirth++;
        gBuildOrder.push_back(GetViewID());
        gLiveViews++;
        if (GetViewID() == gThrowForID) {
            gLiveViews--;
            throw XGPostError(kErrOutOfMemory);
        }
        fComplete = true;
    }
    ~TestView() override { gLiveViews--; }

    long fExtra;
    char fText[256];
    bool fParentWasComplete;
    int fChildrenAtBirth;
    bool fComplete = false;
};

class OtherView : public XGView {
public:
    OtherView(XGView* parent, XGArgStream& stream) : XGView(parent, stream) {}
};

class TestWindow : public XGWindow {
public:
    TestWindow(XGArgStream& stream, XGForm* form) : XGWindow(stream, form) { gLiveViews++; }
    ~TestWindow() override { gLiveViews--; }
};

std::vector<std::pair<unsigned long, long>> gWarnings;

void RecordWarning(unsigned long error, long code)
{
    gWarnings.push_back({ error, code });
}

class Registrations : public testing::Environment {
public:
    void SetUp() override
    {
        testsupport::RegisterWindowClasses();
        XGWindowTemplate<TestWindow>::Register('twin');
        XGWindowTemplate<XGWindow>::Register('wind');
        XGViewTemplate<TestView>::Register('tvew');
        // A second registration of a code is never reached.
        XGViewTemplate<OtherView>::Register('tvew');
        XGViewTemplate<OtherView>::Register('othr');
        XGViewTemplate<TestView>::Register('othr');
        XGViewTemplate<XGView>::Register('view');
        XGViewFactory::gWarningProc = RecordWarning;
    }
};

testing::Environment* const gRegistrations = testing::AddGlobalTestEnvironment(new Registrations);

class Factory : public testing::Test {
protected:
    void SetUp() override
    {
        gBuildOrder.clear();
        gWarnings.clear();
        gLiveViews = 0;
        gThrowForID = -1;
        fWindowsBefore = CountWindows();
    }
    void TearDown() override
    {
        EXPECT_EQ(gLiveViews, 0) << "test views or windows left alive";
        EXPECT_EQ(CountWindows(), fWindowsBefore) << "framework windows left in the list";
    }

    static int CountWindows()
    {
        int count = 0;
        for (XGWindow* w = XGWindow::gList; w; w = w->GetNext())
            count++;
        return count;
    }

    int fWindowsBefore = 0;
};

std::vector<uint8_t> Compile(const std::string& text)
{
    return vres::Encode(vres::Parse(text));
}

const char kWindowHead[] = "'twin' { kind 2 show false default 300 200 title \"t\" ";

std::vector<XGView*> Children(XGView* parent)
{
    std::vector<XGView*> children;
    for (XGView* child = parent->GetChild(); child; child = child->GetSibling())
        children.push_back(child);
    return children;
}

TEST_F(Factory, CodeRegisteredTwiceResolvesToTheFirstRegistration)
{
    std::vector<uint8_t> data = Compile(std::string(kWindowHead) + "'tvew' { id 1 } 'othr' { id 2 } }");
    XGWindow* window = XGWindowFactory::CreateFromData(data.data(), nullptr);
    std::vector<XGView*> children = Children(window);
    ASSERT_EQ(children.size(), 2u);
    EXPECT_NE(dynamic_cast<TestView*>(children[0]), nullptr);
    EXPECT_NE(dynamic_cast<OtherView*>(children[1]), nullptr);
    EXPECT_NE(dynamic_cast<TestWindow*>(window), nullptr);
    delete window;
}

TEST_F(Factory, ChildrenAreBuiltDepthFirstInSiblingOrderAfterTheirParentIsComplete)
{
    std::vector<uint8_t> data = Compile(std::string(kWindowHead) +
        "'tvew' { id 1 'tvew' { id 2 'tvew' { id 3 } } 'tvew' { id 4 } } 'tvew' { id 5 } }");
    XGWindow* window = XGWindowFactory::CreateFromData(data.data(), nullptr);
    EXPECT_EQ(gBuildOrder, (std::vector<short>{ 1, 2, 3, 4, 5 }));
    std::vector<XGView*> top = Children(window);
    ASSERT_EQ(top.size(), 2u);
    EXPECT_EQ(top[0]->GetViewID(), 1);
    EXPECT_EQ(top[1]->GetViewID(), 5);
    std::vector<XGView*> inner = Children(top[0]);
    ASSERT_EQ(inner.size(), 2u);
    EXPECT_EQ(inner[0]->GetViewID(), 2);
    EXPECT_EQ(inner[1]->GetViewID(), 4);
    for (short id = 1; id <= 5; id++) {
        TestView* view = dynamic_cast<TestView*>(window->FindViewByID(id));
        ASSERT_NE(view, nullptr) << id;
        EXPECT_TRUE(view->fParentWasComplete) << id;
        EXPECT_EQ(view->fChildrenAtBirth, 0) << id;
    }
    delete window;
}

TEST_F(Factory, WindowRecordWithoutChildrenHasAnEmptyViewList)
{
    std::vector<uint8_t> data = Compile(std::string(kWindowHead) + "}");
    XGWindow* window = XGWindowFactory::CreateFromData(data.data(), nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->GetChild(), nullptr);
    EXPECT_EQ(window->GetWindowType(), 'twin');
    delete window;
}

TEST_F(Factory, UnregisteredViewCodeWarnsOnceAndAPlainViewTakesItsPlaceWithItsChildren)
{
    std::vector<uint8_t> data = Compile(std::string(kWindowHead) +
        "'zzzz' { id 7 lock true true false false offsets 10 20 110 70 visible true int 99 "
        "  'tvew' { id 8 } 'tvew' { id 9 } } }");
    XGWindow* window = XGWindowFactory::CreateFromData(data.data(), nullptr);
    ASSERT_EQ(gWarnings.size(), 1u);
    EXPECT_EQ(gWarnings[0].first, static_cast<unsigned long>(kErrUnregisteredView));
    EXPECT_EQ(gWarnings[0].second, 'zzzz');
    XGView* plain = window->FindViewByID(7);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->GetViewType(), 'zzzz');
    EXPECT_EQ(plain->GetPos().h, 10);
    EXPECT_EQ(plain->GetPos().v, 20);
    EXPECT_EQ(plain->GetSize().h, 100);
    EXPECT_EQ(plain->GetSize().v, 50);
    std::vector<XGView*> children = Children(plain);
    ASSERT_EQ(children.size(), 2u);
    EXPECT_EQ(children[0]->GetViewID(), 8);
    EXPECT_EQ(children[1]->GetViewID(), 9);
    delete window;
}

TEST_F(Factory, UnregisteredWindowCodeWarnsAndAPlainWindowHoldsTheViews)
{
    std::vector<uint8_t> data = Compile("'qqqq' { kind 2 default 300 200 'tvew' { id 3 } }");
    XGWindow* window = XGWindowFactory::CreateFromData(data.data(), nullptr);
    ASSERT_EQ(gWarnings.size(), 1u);
    EXPECT_EQ(gWarnings[0].first, static_cast<unsigned long>(kErrUnregisteredWindow));
    EXPECT_EQ(gWarnings[0].second, 'qqqq');
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(typeid(*window), typeid(XGWindow));
    EXPECT_EQ(window->GetWindowType(), 'qqqq');
    ASSERT_NE(window->GetChild(), nullptr);
    EXPECT_EQ(window->GetChild()->GetViewID(), 3);
    delete window;
}

TEST_F(Factory, FieldsBeyondAShortRecordReadAsZeroAndEmpty)
{
    vres::Record top('twin', true);
    top.Set("default", { 300, 200 });
    vres::Record full('tvew', false);
    full.Set("id", { 1 });
    full.extra = { vres::Value::Integer(42), vres::Value::String("hello") };
    vres::Record cut('tvew', false);
    cut.Set("id", { 2 });
    cut.extra = { vres::Value::Integer(42) };
    top.Add(full).Add(cut);
    std::vector<uint8_t> data = vres::Encode(top);
    XGWindow* window = XGWindowFactory::CreateFromData(data.data(), long(data.size()), nullptr);
    TestView* first = dynamic_cast<TestView*>(window->FindViewByID(1));
    TestView* second = dynamic_cast<TestView*>(window->FindViewByID(2));
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->fExtra, 42);
    EXPECT_STREQ(first->fText, "hello");
    EXPECT_EQ(second->fExtra, 42);
    EXPECT_STREQ(second->fText, "");
    delete window;
}

TEST_F(Factory, ViewFactoryBuildsASubtreeIntoAnExistingParent)
{
    std::vector<uint8_t> windowData = Compile(std::string(kWindowHead) + "'tvew' { id 1 } }");
    XGWindow* window = XGWindowFactory::CreateFromData(windowData.data(), nullptr);
    std::vector<uint8_t> data = Compile("view 'tvew' { id 2 'tvew' { id 3 } }");
    XGView* view = XGViewFactory::CreateFromData(data.data(), window);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetParent(), window);
    EXPECT_EQ(view->GetWindow(), window);
    std::vector<XGView*> children = Children(window);
    ASSERT_EQ(children.size(), 2u);
    EXPECT_EQ(children[1], view);
    ASSERT_NE(view->GetChild(), nullptr);
    EXPECT_EQ(view->GetChild()->GetViewID(), 3);
    delete window;
}

std::string LastMessage()
{
    return XGPostError::gLMessage;
}

TEST_F(Factory, DamagedTreesThrowAClearErrorAndBuildNothing)
{
    std::vector<uint8_t> sound = Compile(std::string(kWindowHead) + "'tvew' { id 1 'tvew' { id 2 } } 'tvew' { id 3 } }");
    auto put = [](std::vector<uint8_t>& data, size_t at, int32_t value) {
        for (int i = 0; i < 4; i++)
            data[at + i] = uint8_t(uint32_t(value) >> (24 - 8 * i));
    };
    size_t first = 16 + 64; // behind the window fields with the title "t"
    size_t second = first + 54;
    size_t third = second + 54;
    ASSERT_EQ(sound.size(), third + 54);
    struct Case {
        const char* what;
        size_t at;
        int32_t value;
        size_t cut;
        const char* fault;
    } cases[] = {
        { "child offset outside", first + 4, 4000, 0, "a record lies outside the resource, record at offset 4080" },
        { "sibling offset loops back", second, -58, 0, "a sibling offset points back" },
        { "child offset backwards", first + 4, -84, 0, "a child offset points back into its parent" },
        { "argument length past the end", third + 8, 400, 0, "the arguments run past the resource" },
        { "resource cut short", 0, 0, 20, "the arguments run past the resource, record at offset 188" },
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> data = sound;
        if (c.value != 0)
            put(data, c.at, c.value);
        if (c.cut != 0)
            data.resize(data.size() - c.cut);
        gBuildOrder.clear();
        try {
            XGWindowFactory::CreateFromData(data.data(), long(data.size()), nullptr);
            ADD_FAILURE() << c.what << ": built";
        } catch (const XGPostError& e) {
            char title[256];
            e.GetShortError(title);
            EXPECT_STREQ(title, "Assertion Failure") << c.what;
            EXPECT_NE(LastMessage().find("damaged VRES tree"), std::string::npos) << LastMessage();
            EXPECT_NE(LastMessage().find(c.fault), std::string::npos) << c.what << ": " << LastMessage();
        }
        EXPECT_TRUE(gBuildOrder.empty()) << c.what;
    }
}

TEST_F(Factory, ConstructorFailureMidTreeDestroysEverythingBuiltSoFar)
{
    std::vector<uint8_t> data = Compile(std::string(kWindowHead) +
        "'tvew' { id 1 'tvew' { id 2 } 'tvew' { id 3 } } 'tvew' { id 4 } }");
    gThrowForID = 3;
    EXPECT_THROW(XGWindowFactory::CreateFromData(data.data(), long(data.size()), nullptr), XGPostError);
    EXPECT_EQ(gBuildOrder, (std::vector<short>{ 1, 2, 3 }));
    // TearDown checks that the window and views 1 and 2 are gone.
}

TEST_F(Factory, ViewFactoryFailureLeavesTheParentAsItWas)
{
    std::vector<uint8_t> windowData = Compile(std::string(kWindowHead) + "'tvew' { id 1 } }");
    XGWindow* window = XGWindowFactory::CreateFromData(windowData.data(), nullptr);
    std::vector<uint8_t> data = Compile("view 'tvew' { id 2 'tvew' { id 3 } }");
    gThrowForID = 3;
    EXPECT_THROW(XGViewFactory::CreateFromData(data.data(), long(data.size()), window), XGPostError);
    std::vector<XGView*> children = Children(window);
    ASSERT_EQ(children.size(), 1u);
    EXPECT_EQ(children[0]->GetViewID(), 1);
    delete window;
}

TEST_F(Factory, ResourceBuildsTheWindowOfTheTree)
{
    XGWindow* window = XGWindowFactory::CreateFromResource(200, nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->GetWindowType(), 'twin');
    EXPECT_EQ(gBuildOrder, (std::vector<short>{ 1, 2, 3 }));
    TestView* label = dynamic_cast<TestView*>(window->FindViewByID(2));
    ASSERT_NE(label, nullptr);
    EXPECT_STREQ(label->fText, "from a resource");
    delete window;
}

TEST_F(Factory, StartScreenResourceBuildsItsFourViews)
{
    XGWindow* window = XGWindowFactory::CreateFromResource(128, nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->GetWindowType(), 'dlog');
    XGView* root = window->GetChild();
    ASSERT_NE(root, nullptr);
    XGView* installer = root->GetChild();
    ASSERT_NE(installer, nullptr);
    std::vector<XGView*> buttons = Children(installer);
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(buttons[0]->GetViewID(), 1);
    EXPECT_EQ(buttons[1]->GetViewID(), 2);
    EXPECT_EQ(buttons[0]->GetPos().h, 355);
    EXPECT_EQ(buttons[0]->GetPos().v, 402);
    EXPECT_FALSE(buttons[0]->IsVisible());
    delete window;
}

TEST_F(Factory, MissingResourceNamesTheResourceAndBuildsNothing)
{
    XGWindow* head = XGWindow::gList;
    try {
        XGWindowFactory::CreateFromResource(4321, nullptr);
        ADD_FAILURE() << "built";
    } catch (const XGPostError&) {
        EXPECT_NE(LastMessage().find("No VRES resource 4321 in the program's resources"), std::string::npos) << LastMessage();
        EXPECT_NE(LastMessage().find("4321 VRES \"tree.bin\""), std::string::npos) << LastMessage();
    }
    EXPECT_EQ(XGWindow::gList, head);
}

// What the user reads for an unregistered code: the code, and how to
// register a class for it.
TEST_F(Factory, UnregisteredCodeWarningNamesTheCodeAndTheRegistration)
{
    const struct {
        const char* tree;
        const char* says;
    } cases[] = {
        { "'wind' { kind 2 'zzzz' { id 7 } }", "XGViewTemplate<MyView>::Register('zzzz')" },
        { "'qqqq' { kind 2 }", "XGWindowTemplate<MyWindow>::Register('qqqq')" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tree);
        gWarnings.clear();
        std::vector<uint8_t> data = Compile(c.tree);
        delete XGWindowFactory::CreateFromData(data.data(), nullptr);
        ASSERT_EQ(gWarnings.size(), 1u);
        XGPostError shown(uint32_t(gWarnings[0].first), gWarnings[0].second);
        EXPECT_NE(LastMessage().find(c.says), std::string::npos) << LastMessage();
    }
}

TEST_F(Factory, DamagedResourceIsRefusedThroughTheSizeCheckedRoute)
{
    try {
        XGWindowFactory::CreateFromResource(201, nullptr);
        ADD_FAILURE() << "built";
    } catch (const XGPostError&) {
        EXPECT_NE(LastMessage().find("damaged VRES tree"), std::string::npos) << LastMessage();
    }
    EXPECT_TRUE(gBuildOrder.empty());
}

} // namespace
