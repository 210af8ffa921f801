// A framework window as the system's accessibility interfaces show it: the
// object that WM_GETOBJECT hands out, its children in tree order with their
// roles, names, values, states and places, the default action, the child IDs
// of the framework's events, and an object that outlives its window.
#include <gtest/gtest.h>

#include <windows.h>
#include <oleacc.h>

#include <functional>
#include <string>
#include <vector>

#include "../controls/KeboTestSupport.h"
#include "controls/XGListControl.h"
#include "controls/XGListView.h"
#include "controls/XGStaticText.h"
#include "foundation/XGStringList.h"
#include "forms/XGViewFactory.h"

extern const unsigned char AccessibleTree[];
extern const long AccessibleTreeSize;

using namespace kebotest;

namespace {

VARIANT Child(long id)
{
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

std::wstring Take(BSTR text)
{
    std::wstring out = text ? std::wstring(text, SysStringLen(text)) : std::wstring();
    SysFreeString(text);
    return out;
}

// A view that counts its default actions, as a picture button would run one.
class PressCounter : public XGView {
public:
    PressCounter(XGView* parent, XGSViewInitRecord& record) : XGView(parent, record) {}
    void DoDrawView(tagRECT) override {}
    long GetAccRole() const override { return ROLE_SYSTEM_PUSHBUTTON; }
    const char* GetAccDefaultAction() const override { return "Press"; }
    bool DoAccDefaultAction() override
    {
        ++fPresses;
        return true;
    }
    int fPresses = 0;
};

class AccessibleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fApp = new TestApp();
        XGSWindowInitRecord w = WindowRecord(2, "accessible", 300, 240);
        fWindow = new XGWindow(w, nullptr);
        fTree = XGViewFactory::CreateFromData(AccessibleTree, AccessibleTreeSize, fWindow);
        ASSERT_NE(nullptr, fTree);
        fList = dynamic_cast<XGListControl*>(fTree->FindViewByID(6));
        ASSERT_NE(nullptr, fList);
        const char* items[] = {"Apple", "Körte", "Cherry"};
        for (const char* item : items) {
            unsigned char flag = 0;
            fList->GetList()->AppendString(item, &flag);
        }
        fList->GetListView()->CalcResize();
        fList->SetSelect(1, true);
        fTree->FindViewByID(3)->SetAccessibleLabel(2);
        fWindow->ShowWindow();
        Pump();
    }
    void TearDown() override
    {
        if (fAcc)
            fAcc->Release();
        delete fWindow;
        delete fApp;
        Pump();
    }

    IAccessible* Client()
    {
        if (!fAcc) {
            HRESULT hr = AccessibleObjectFromWindow(fWindow->GetHWND(), DWORD(OBJID_CLIENT), __uuidof(IAccessible),
                                                    reinterpret_cast<void**>(&fAcc));
            EXPECT_EQ(S_OK, hr);
        }
        return fAcc;
    }
    // The object standing for the view with this ID (the tree's top view's child).
    IAccessible* TreeObject()
    {
        IDispatch* dispatch = nullptr;
        EXPECT_EQ(S_OK, Client()->get_accChild(Child(1), &dispatch));
        IAccessible* tree = nullptr;
        if (dispatch) {
            dispatch->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&tree));
            dispatch->Release();
        }
        return tree;
    }
    long Role(IAccessible* object, long id)
    {
        VARIANT role;
        VariantInit(&role);
        EXPECT_EQ(S_OK, object->get_accRole(Child(id), &role));
        return role.vt == VT_I4 ? role.lVal : -1;
    }
    long State(IAccessible* object, long id)
    {
        VARIANT state;
        VariantInit(&state);
        EXPECT_EQ(S_OK, object->get_accState(Child(id), &state));
        return state.vt == VT_I4 ? state.lVal : -1;
    }
    std::wstring Name(IAccessible* object, long id)
    {
        BSTR name = nullptr;
        object->get_accName(Child(id), &name);
        return Take(name);
    }

    TestApp* fApp = nullptr;
    XGWindow* fWindow = nullptr;
    XGView* fTree = nullptr;
    XGListControl* fList = nullptr;
    IAccessible* fAcc = nullptr;
};

TEST_F(AccessibleTest, TheClientObjectHoldsTheViewsInTreeOrderWithRoleNameAndState)
{
    IAccessible* tree = TreeObject();
    ASSERT_NE(nullptr, tree);
    LONG count = 0;
    ASSERT_EQ(S_OK, tree->get_accChildCount(&count));
    ASSERT_EQ(6, count);
    struct Row {
        long id;
        long role;
        const wchar_t* name;
        long on;    // states that must be set
        long off;   // and those that must not
    };
    const Row rows[] = {
        {1, ROLE_SYSTEM_STATICTEXT, L"N\u00e9v:", STATE_SYSTEM_READONLY, STATE_SYSTEM_INVISIBLE},
        {2, ROLE_SYSTEM_TEXT, L"N\u00e9v:", STATE_SYSTEM_FOCUSABLE, STATE_SYSTEM_PROTECTED},
        {3, ROLE_SYSTEM_TEXT, L"", STATE_SYSTEM_PROTECTED | STATE_SYSTEM_FOCUSABLE, 0},
        {5, ROLE_SYSTEM_LIST, L"", 0, STATE_SYSTEM_INVISIBLE},
        {6, ROLE_SYSTEM_PANE, L"", STATE_SYSTEM_INVISIBLE, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.id);
        EXPECT_EQ(row.role, Role(tree, row.id));
        EXPECT_EQ(row.name, Name(tree, row.id));
        EXPECT_EQ(row.on, State(tree, row.id) & row.on);
        EXPECT_EQ(0, State(tree, row.id) & row.off);
    }
    tree->Release();
}

TEST_F(AccessibleTest, ANativeButtonIsTheSystemsOwnObjectInItsPlace)
{
    IAccessible* tree = TreeObject();
    ASSERT_NE(nullptr, tree);
    IDispatch* dispatch = nullptr;
    ASSERT_EQ(S_OK, tree->get_accChild(Child(4), &dispatch));
    ASSERT_NE(nullptr, dispatch);
    IAccessible* button = nullptr;
    dispatch->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&button));
    dispatch->Release();
    ASSERT_NE(nullptr, button);
    HWND hwnd = nullptr;
    EXPECT_EQ(S_OK, WindowFromAccessibleObject(button, &hwnd));
    EXPECT_NE(nullptr, hwnd);
    EXPECT_NE(fWindow->GetHWND(), hwnd);
    EXPECT_EQ(fWindow->GetHWND(), GetParent(hwnd));
    // Its client object is what a reader announces: the system's, named by
    // the button's text. (Its role is the system's too: push button on
    // Windows, client under Wine 8, which knows no class roles.)
    IAccessible* client = nullptr;
    ASSERT_EQ(S_OK, AccessibleObjectFromWindow(hwnd, DWORD(OBJID_CLIENT), __uuidof(IAccessible),
                                               reinterpret_cast<void**>(&client)));
    EXPECT_EQ(L"OK", Name(client, CHILDID_SELF));
    EXPECT_EQ(STATE_SYSTEM_UNAVAILABLE, State(client, CHILDID_SELF) & STATE_SYSTEM_UNAVAILABLE);
    client->Release();
    button->Release();
    tree->Release();
}

TEST_F(AccessibleTest, AnEditableTextGivesItsTextAsValueButAPasswordFieldDoesNot)
{
    IAccessible* tree = TreeObject();
    ASSERT_NE(nullptr, tree);
    BSTR value = nullptr;
    EXPECT_EQ(S_OK, tree->get_accValue(Child(2), &value));
    EXPECT_EQ(L"Gr\u00fc\u00dfe", Take(value));
    value = nullptr;
    EXPECT_NE(S_OK, tree->get_accValue(Child(3), &value));
    EXPECT_EQ(nullptr, value);
    tree->Release();
}

TEST_F(AccessibleTest, AListsItemsAreItsChildrenWithTheSelectionMarked)
{
    IAccessible* tree = TreeObject();
    ASSERT_NE(nullptr, tree);
    IDispatch* dispatch = nullptr;
    ASSERT_EQ(S_OK, tree->get_accChild(Child(5), &dispatch));
    ASSERT_NE(nullptr, dispatch);
    IAccessible* list = nullptr;
    dispatch->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&list));
    dispatch->Release();
    ASSERT_NE(nullptr, list);
    LONG count = 0;
    EXPECT_EQ(S_OK, list->get_accChildCount(&count));
    EXPECT_EQ(3, count);
    const wchar_t* names[] = {L"Apple", L"K\u00f6rte", L"Cherry"};
    for (long i = 1; i <= 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(ROLE_SYSTEM_LISTITEM, Role(list, i));
        EXPECT_EQ(names[i - 1], Name(list, i));
        EXPECT_EQ(i == 2 ? STATE_SYSTEM_SELECTED : 0, State(list, i) & STATE_SYSTEM_SELECTED);
    }
    VARIANT selection;
    VariantInit(&selection);
    EXPECT_EQ(S_OK, list->get_accSelection(&selection));
    EXPECT_EQ(VT_I4, selection.vt);
    EXPECT_EQ(2, selection.lVal);
    // The second line lies one line below the first, inside the list.
    LONG x1 = 0, y1 = 0, w1 = 0, h1 = 0, x2 = 0, y2 = 0, w2 = 0, h2 = 0;
    EXPECT_EQ(S_OK, list->accLocation(&x1, &y1, &w1, &h1, Child(1)));
    EXPECT_EQ(S_OK, list->accLocation(&x2, &y2, &w2, &h2, Child(2)));
    EXPECT_GT(h1, 0);
    EXPECT_EQ(y1 + h1, y2);
    list->Release();
    tree->Release();
}

// As a dialog's edit control is named by the label before it: the static
// text just before a field names it when the program gave no name or label,
// read without its mnemonic's ampersand; a field after anything else stays
// unnamed.
TEST_F(AccessibleTest, AnUnnamedFieldTakesTheStaticTextBeforeItWithoutItsAmpersand)
{
    fTree->FindViewByID(3)->SetAccessibleLabel(0);
    fTree->FindViewByID(2)->SetTitle("&N\u00e9v && c\u00edm:");
    IAccessible* tree = TreeObject();
    ASSERT_NE(nullptr, tree);
    EXPECT_EQ(L"N\u00e9v & c\u00edm:", Name(tree, 1));
    EXPECT_EQ(L"N\u00e9v & c\u00edm:", Name(tree, 2));
    EXPECT_EQ(L"", Name(tree, 3));
    // A name the program gives wins over the label before it.
    fTree->FindViewByID(3)->SetAccessibleName("Full name");
    EXPECT_EQ(L"Full name", Name(tree, 2));
    tree->Release();
}

TEST_F(AccessibleTest, LocationAndHitTestAgreeOnTheScreen)
{
    IAccessible* tree = TreeObject();
    ASSERT_NE(nullptr, tree);
    XGView* label = fTree->FindViewByID(2);
    POINT origin = {0, 0};
    ClientToScreen(fWindow->GetHWND(), &origin);
    LONG x = 0, y = 0, w = 0, h = 0;
    ASSERT_EQ(S_OK, tree->accLocation(&x, &y, &w, &h, Child(1)));
    EXPECT_EQ(origin.x + label->GetGlobalPos().h, x);
    EXPECT_EQ(origin.y + label->GetGlobalPos().v, y);
    EXPECT_EQ(label->GetSize().h, w);
    EXPECT_EQ(label->GetSize().v, h);
    VARIANT hit;
    VariantInit(&hit);
    ASSERT_EQ(S_OK, tree->accHitTest(x + 2, y + 2, &hit));
    EXPECT_EQ(VT_I4, hit.vt);
    EXPECT_EQ(1, hit.lVal);
    VariantClear(&hit);
    ASSERT_EQ(S_OK, Client()->accHitTest(x + 2, y + 2, &hit));
    EXPECT_EQ(VT_DISPATCH, hit.vt);
    VariantClear(&hit);
    tree->Release();
}

TEST_F(AccessibleTest, NavigationWalksTheChildrenInOrder)
{
    IAccessible* tree = TreeObject();
    ASSERT_NE(nullptr, tree);
    VARIANT to;
    VariantInit(&to);
    ASSERT_EQ(S_OK, tree->accNavigate(NAVDIR_FIRSTCHILD, Child(CHILDID_SELF), &to));
    EXPECT_EQ(VT_I4, to.vt);
    EXPECT_EQ(1, to.lVal);
    ASSERT_EQ(S_OK, tree->accNavigate(NAVDIR_NEXT, Child(1), &to));
    EXPECT_EQ(2, to.lVal);
    ASSERT_EQ(S_OK, tree->accNavigate(NAVDIR_PREVIOUS, Child(2), &to));
    EXPECT_EQ(1, to.lVal);
    EXPECT_EQ(S_FALSE, tree->accNavigate(NAVDIR_PREVIOUS, Child(1), &to));
    tree->Release();
}

TEST_F(AccessibleTest, TheDefaultActionRunsAfterTheCallReturns)
{
    XGSViewInitRecord r = ViewRecord(9, 10, 200, 60, 220);
    PressCounter* button = new PressCounter(fWindow, r);
    button->SetAccessibleName("Install");
    LONG count = 0;
    ASSERT_EQ(S_OK, Client()->get_accChildCount(&count));
    ASSERT_EQ(2, count);
    EXPECT_EQ(L"Install", Name(Client(), 2));
    BSTR action = nullptr;
    EXPECT_EQ(S_OK, Client()->get_accDefaultAction(Child(2), &action));
    EXPECT_EQ(L"Press", Take(action));
    EXPECT_EQ(S_OK, Client()->accDoDefaultAction(Child(2)));
    EXPECT_EQ(0, button->fPresses);
    Pump();
    EXPECT_EQ(1, button->fPresses);
    // A view without a default action says so.
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, Client()->accDoDefaultAction(Child(1)));
}

TEST_F(AccessibleTest, AnEventsNegativeChildIdNamesTheViewAnywhereInTheWindow)
{
    XGView* field = fTree->FindViewByID(3);
    const long id = -field->GetAccID();
    EXPECT_EQ(ROLE_SYSTEM_TEXT, Role(Client(), id));
    EXPECT_EQ(L"N\u00e9v:", Name(Client(), id));
    IDispatch* object = nullptr;
    EXPECT_EQ(S_FALSE, Client()->get_accChild(Child(id), &object));
    EXPECT_EQ(nullptr, object);
    // IDs are never reused while the views live.
    EXPECT_NE(field->GetAccID(), fTree->FindViewByID(4)->GetAccID());
}

TEST_F(AccessibleTest, TheObjectOutlivesItsWindowAndThenAnswersDisconnected)
{
    IAccessible* client = Client();
    client->AddRef();
    IAccessible* tree = TreeObject();
    ASSERT_NE(nullptr, tree);
    delete fWindow;
    fWindow = nullptr;
    Pump();
    LONG count = 0;
    EXPECT_EQ(CO_E_OBJNOTCONNECTED, client->get_accChildCount(&count));
    EXPECT_EQ(CO_E_OBJNOTCONNECTED, tree->get_accChildCount(&count));
    BSTR name = nullptr;
    EXPECT_EQ(CO_E_OBJNOTCONNECTED, tree->get_accName(Child(1), &name));
    EXPECT_EQ(nullptr, name);
    VARIANT hit;
    VariantInit(&hit);
    EXPECT_EQ(CO_E_OBJNOTCONNECTED, tree->accHitTest(0, 0, &hit));
    EXPECT_EQ(CO_E_OBJNOTCONNECTED, client->accDoDefaultAction(Child(1)));
    tree->Release();
    client->Release();
}

// The events raised in this process, as a screen reader's hook hears them.
struct HeardEvent {
    DWORD event;
    HWND hwnd;
    LONG object;
    LONG child;
};
std::vector<HeardEvent> gHeard;

void CALLBACK Hear(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD, DWORD)
{
    gHeard.push_back({event, hwnd, object, child});
}

TEST_F(AccessibleTest, ChangesRaiseEventsWithTheViewsChildIdAndASelectionWithTheItems)
{
    XGView* field = fTree->FindViewByID(3);
    XGView* label = fTree->FindViewByID(2);
    XGView* plain = fTree->FindViewByID(7);
    struct Case {
        const char* what;
        DWORD event;
        XGView* view;
        std::function<void()> act;
        long item;  // -1: the event names the view
    };
    const Case cases[] = {
        {"focus", EVENT_OBJECT_FOCUS, field, [&] { field->SetFocus(); }, -1},
        {"name", EVENT_OBJECT_NAMECHANGE, label, [&] { label->SetTitle("Name:"); }, -1},
        {"selection", EVENT_OBJECT_SELECTION, fList, [&] { fList->SetSelect(2, true); }, 2},
        {"state", EVENT_OBJECT_STATECHANGE, label, [&] { label->EnableView(false); }, -1},
        {"show", EVENT_OBJECT_SHOW, plain, [&] { plain->ShowView(); }, -1},
        {"given name", EVENT_OBJECT_NAMECHANGE, plain, [&] { plain->SetAccessibleName("Preview"); }, -1},
    };
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_SHOW, EVENT_OBJECT_VALUECHANGE, nullptr, Hear,
                                         GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(nullptr, hook);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Pump();
        gHeard.clear();
        c.act();
        Pump();
        // An item has no ID in the window: its list's own object names it.
        const LONG object = c.item < 0 ? LONG(OBJID_CLIENT) : LONG(c.view->GetAccID());
        const LONG child = c.item < 0 ? -c.view->GetAccID() : c.item + 1;
        bool heard = false;
        for (const HeardEvent& e : gHeard) {
            heard = heard || (e.event == c.event && e.hwnd == fWindow->GetHWND() && e.object == object
                              && e.child == child);
        }
        EXPECT_TRUE(heard);
    }
    UnhookWinEvent(hook);
    // What the hook names, the window's object resolves.
    EXPECT_EQ(L"Preview", Name(Client(), -plain->GetAccID()));
}

// A screen reader resolves an event as AccessibleObjectFromEvent does: the
// window's object for the event's object ID, then the child ID in it.
TEST_F(AccessibleTest, ASelectionEventResolvesToTheSelectedItem)
{
    XGView* plain = fTree->FindViewByID(7);
    const struct {
        DWORD object;
        long child;
        long role;
        const wchar_t* name;
    } rows[] = {
        {DWORD(fList->GetAccID()), 3, ROLE_SYSTEM_LISTITEM, L"Cherry"},
        {DWORD(fList->GetAccID()), 2, ROLE_SYSTEM_LISTITEM, L"K\u00f6rte"},
        {DWORD(fList->GetAccID()), CHILDID_SELF, ROLE_SYSTEM_LIST, L""},
        {DWORD(OBJID_CLIENT), -plain->GetAccID(), ROLE_SYSTEM_PANE, L""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.child);
        IAccessible* object = nullptr;
        VARIANT child;
        VariantInit(&child);
        ASSERT_EQ(S_OK, AccessibleObjectFromEvent(fWindow->GetHWND(), row.object, DWORD(row.child), &object, &child));
        ASSERT_NE(nullptr, object);
        ASSERT_EQ(VT_I4, child.vt);
        EXPECT_EQ(row.role, Role(object, child.lVal));
        EXPECT_EQ(row.name, Name(object, child.lVal));
        object->Release();
    }
    // An object ID that names no view is the system's to answer.
    IAccessible* none = nullptr;
    EXPECT_NE(S_OK, AccessibleObjectFromWindow(fWindow->GetHWND(), 0x7FFFFFF0, __uuidof(IAccessible),
                                               reinterpret_cast<void**>(&none)));
    if (none)
        none->Release();
}

}  // namespace
