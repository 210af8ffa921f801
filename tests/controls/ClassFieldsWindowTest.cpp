// The framework's constructors against their field lists: every registered
// code has a list, and a record written from a class's list (by the compiler's
// encoder) is read back by the class's constructor into the expected members.
// A constructor that reads out of its list's order fails its reader's check.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "KeboTestSupport.h"
#include "VresEncoder.h"
#include "controls/XGButton.h"
#include "controls/XGCheckButton.h"
#include "controls/XGPicture.h"
#include "controls/XGScrollView.h"
#include "core/XGClassFields.h"
#include "forms/XGViewFactory.h"
#include "forms/XGViewTemplate.h"
#include "forms/XGWindowFactory.h"
#include "dialogs/XGDialog.h"

using namespace kebotest;

namespace {

class ClassFields : public ::testing::Test {
protected:
    void SetUp() override
    {
        fApp = new TestApp();
        XGSWindowInitRecord w = WindowRecord(2, "class fields", 300, 200);
        fWindow = new XGWindow(w, nullptr);
        Pump();
    }
    void TearDown() override
    {
        delete fWindow;
        delete fApp;
        Pump();
    }

    TestApp* fApp = nullptr;
    XGWindow* fWindow = nullptr;
};

std::string TitleOf(const XGView* view)
{
    char title[256] = {};
    view->GetTitle(title);
    return title;
}

TEST_F(ClassFields, EveryRegisteredCodeHasAFieldList)
{
    ASSERT_GT(XGViewFactory::gList.Length(), 0);
    for (long i = 0; i < XGViewFactory::gList.Length(); i++) {
        long code = XGViewFactory::gList[i].fCode;
        EXPECT_NE(XGFieldList::Find(XGClassFields::gFramework, code, false), nullptr) << vres::CodeText(uint32_t(code));
    }
    ASSERT_GT(XGWindowFactory::gList.Length(), 0);
    for (long i = 0; i < XGWindowFactory::gList.Length(); i++) {
        long code = XGWindowFactory::gList[i].fCode;
        EXPECT_NE(XGFieldList::Find(XGClassFields::gFramework, code, true), nullptr) << vres::CodeText(uint32_t(code));
    }
}

// The classes that applications register under the framework's codes.
void RegisterOffered()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    XGViewTemplate<XGScrollView>::Register('scrv');
    XGViewTemplate<XGPicture>::Register('pict');
    XGViewTemplate<XGCheckButton>::Register('chkb');
}

struct ClassCase {
    long code;
    // Fields of the class's own besides the common ones.
    std::function<void(vres::Record&)> fill;
    std::function<void(XGView*)> check;
};

TEST_F(ClassFields, EachClassReadsARecordWrittenFromItsListIntoItsMembers)
{
    RegisterOffered();
    const ClassCase cases[] = {
        { 'view', [](vres::Record&) {}, [](XGView*) {} },
        { 'text', [](vres::Record& r) { r.SetText("text", "static words").Set("font", { 1 }); },
            [](XGView* v) { EXPECT_EQ(TitleOf(v), "static words"); } },
        { 'pbtn', [](vres::Record& r) { r.Set("unusedvalue", { 77 }).SetText("title", "Push"); },
            [](XGView* v) { EXPECT_EQ(TitleOf(v), "Push"); } },
        { 'chkb', [](vres::Record& r) { r.Set("value", { 1 }).SetText("title", "Tick"); },
            [](XGView* v) {
                EXPECT_EQ(TitleOf(v), "Tick");
                EXPECT_EQ(static_cast<XGButton*>(v)->GetValue(), 1);
            } },
        { 'edit', [](vres::Record& r) { r.SetText("text", "typed").Set("maxlength", { 40 }).SetFlags("multiline", { true }); },
            [](XGView* v) { EXPECT_EQ(TitleOf(v), "typed"); } },
        { 'icon', [](vres::Record& r) { r.Set("icon", { 1 }).Set("size", { 32, 32 }); }, [](XGView*) {} },
        { 'pict', [](vres::Record& r) { r.Set("picture", { 300 }).Set("size", { 20, 10 }); }, [](XGView*) {} },
        { 'popm', [](vres::Record& r) { r.Set("font", { 1 }); }, [](XGView*) {} },
        { 'scrv', [](vres::Record& r) { r.SetFlags("vscroll", { true }); },
            [](XGView* v) {
                EXPECT_EQ(static_cast<XGScrollView*>(v)->GetHScroll(), nullptr);
                EXPECT_NE(static_cast<XGScrollView*>(v)->GetVScroll(), nullptr);
            } },
        { 'list', [](vres::Record& r) { r.SetFlags("hscroll", { true }).SetFlags("multiple", { true }); },
            [](XGView* v) {
                EXPECT_NE(static_cast<XGScrollView*>(v)->GetHScroll(), nullptr);
                EXPECT_EQ(static_cast<XGScrollView*>(v)->GetVScroll(), nullptr);
            } },
    };
    int checked = 0;
    for (const ClassCase& c : cases) {
        SCOPED_TRACE(vres::CodeText(uint32_t(c.code)));
        vres::Record record(uint32_t(c.code), false);
        record.Set("id", { 41 }).Set("ref", { 'refn' }).SetFlags("lock", { true, true, false, false });
        record.Set("offsets", { 10, 20, 110, 70 }).SetFlags("visible", { true }).SetFlags("enabled", { true });
        c.fill(record);
        std::vector<uint8_t> bytes = vres::Encode(record);
        XGView* view = nullptr;
        ASSERT_NO_THROW(view = XGViewFactory::CreateFromData(bytes.data(), long(bytes.size()), fWindow));
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(view->GetViewType(), c.code);
        EXPECT_EQ(view->GetViewID(), 41);
        tagRECT r = view->GetGlobalRect();
        EXPECT_EQ(r.right - r.left, 100);
        EXPECT_EQ(r.bottom - r.top, 50);
        c.check(view);
        delete view;
        checked++;
    }
    // Every view class the framework knows a code for is among the cases.
    for (int i = 0; i < XGClassFields::gFramework.fCount; i++) {
        const XGSClassFields& entry = XGClassFields::gFramework.fClasses[i];
        bool found = XGFieldList::IsWindow(*entry.fList);
        for (const ClassCase& c : cases)
            found = found || c.code == entry.fCode;
        EXPECT_TRUE(found) << vres::CodeText(uint32_t(entry.fCode));
    }
    EXPECT_EQ(checked, int(sizeof cases / sizeof cases[0]));
}

TEST_F(ClassFields, WindowClassesReadARecordWrittenFromTheirLists)
{
    for (long code : { long('wind'), long('dlog') }) {
        SCOPED_TRACE(vres::CodeText(uint32_t(code)));
        vres::Record record(uint32_t(code), true);
        record.Set("kind", { 2 }).Set("id", { 9 }).Set("default", { 200, 120 }).SetText("title", "from the list");
        if (code == 'dlog')
            record.Set("defaultitem", { 100 }).Set("cancelitem", { 101 });
        std::vector<uint8_t> bytes = vres::Encode(record);
        XGWindow* window = nullptr;
        ASSERT_NO_THROW(window = XGWindowFactory::CreateFromData(bytes.data(), long(bytes.size()), nullptr));
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->GetWindowType(), code);
        EXPECT_EQ(window->GetWindowKind(), 2);
        EXPECT_EQ(window->GetWindowID(), 9);
        EXPECT_EQ(TitleOf(window), "from the list");
        if (code == 'dlog') {
            XGDialog* dialog = dynamic_cast<XGDialog*>(window);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->GetDefaultID(), 100);
            EXPECT_EQ(dialog->GetCancelID(), 101);
        }
        delete window;
        Pump();
    }
}

} // namespace
