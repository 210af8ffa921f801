// A screen reader's view of a window, for the end-to-end tests: a separate
// process that reads a window through the system's accessibility interfaces
// (as Narrator or NVDA do) and prints what it finds, one line per object.
//
//   acc_client [--title TITLE] [--class CLASS] [--with NAME] [--wait SECONDS] [--dump] walk
//       depth, role, name, value, states and screen rectangle, tab-separated;
//       with --dump the same tree indented for a reader, places relative to
//       the window's client area
//   acc_client ... press NAME
//       the default action of the first object named NAME
//   acc_client ... listen SECONDS
//       the focus, name, value, state, selection and show events the
//       window's process raises, as they come, for SECONDS
//
// --with NAME picks, of the windows with that title and class, the one that
// holds an object named NAME: a second window with the same title (the
// launcher's QuickTime offer) is told apart by what it shows.
//
// Text is printed as UTF-8. Exit status 0 on success, 1 when the window or
// the named object is not found, 2 for a wrong command line.
#include <windows.h>
#include <oleacc.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::string Utf8(const wchar_t* text, int length = -1)
{
    if (!text)
        return std::string();
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string out(size_t(size > 0 ? size : 0), '\0');
    if (size > 0)
        WideCharToMultiByte(CP_UTF8, 0, text, length, &out[0], size, nullptr, nullptr);
    if (length < 0 && !out.empty())
        out.pop_back();
    return out;
}

std::string FromBSTR(BSTR text)
{
    std::string out = text ? Utf8(text, int(SysStringLen(text))) : std::string();
    SysFreeString(text);
    // One line per object: line breaks inside a value are shown escaped.
    std::string escaped;
    for (char c : out) {
        if (c == '\n')
            escaped += "\\n";
        else if (c == '\r')
            escaped += "\\r";
        else if (c == '\t')
            escaped += "\\t";
        else
            escaped += c;
    }
    return escaped;
}

const char* RoleName(long role)
{
    struct Name {
        long role;
        const char* name;
    };
    static const Name names[] = {
        {ROLE_SYSTEM_TITLEBAR, "titlebar"},     {ROLE_SYSTEM_MENUBAR, "menubar"},
        {ROLE_SYSTEM_SCROLLBAR, "scrollbar"},   {ROLE_SYSTEM_WINDOW, "window"},
        {ROLE_SYSTEM_CLIENT, "client"},         {ROLE_SYSTEM_MENUPOPUP, "menupopup"},
        {ROLE_SYSTEM_MENUITEM, "menuitem"},     {ROLE_SYSTEM_DIALOG, "dialog"},
        {ROLE_SYSTEM_PANE, "pane"},             {ROLE_SYSTEM_GRAPHIC, "graphic"},
        {ROLE_SYSTEM_STATICTEXT, "statictext"}, {ROLE_SYSTEM_TEXT, "text"},
        {ROLE_SYSTEM_PUSHBUTTON, "pushbutton"}, {ROLE_SYSTEM_CHECKBUTTON, "checkbutton"},
        {ROLE_SYSTEM_RADIOBUTTON, "radiobutton"}, {ROLE_SYSTEM_COMBOBOX, "combobox"},
        {ROLE_SYSTEM_LIST, "list"},             {ROLE_SYSTEM_LISTITEM, "listitem"},
        {ROLE_SYSTEM_TOOLBAR, "toolbar"},       {ROLE_SYSTEM_SEPARATOR, "separator"},
        {ROLE_SYSTEM_GROUPING, "grouping"},     {ROLE_SYSTEM_SLIDER, "slider"},
        {ROLE_SYSTEM_BUTTONMENU, "buttonmenu"}, {ROLE_SYSTEM_BUTTONDROPDOWN, "buttondropdown"},
        {ROLE_SYSTEM_TOOLTIP, "tooltip"},
    };
    for (const Name& n : names) {
        if (n.role == role)
            return n.name;
    }
    return nullptr;
}

std::string StateNames(long state)
{
    struct Name {
        long bit;
        const char* name;
    };
    static const Name names[] = {
        {STATE_SYSTEM_UNAVAILABLE, "unavailable"}, {STATE_SYSTEM_SELECTED, "selected"},
        {STATE_SYSTEM_FOCUSED, "focused"},         {STATE_SYSTEM_PRESSED, "pressed"},
        {STATE_SYSTEM_CHECKED, "checked"},         {STATE_SYSTEM_READONLY, "readonly"},
        {STATE_SYSTEM_INVISIBLE, "invisible"},     {STATE_SYSTEM_OFFSCREEN, "offscreen"},
        {STATE_SYSTEM_FOCUSABLE, "focusable"},     {STATE_SYSTEM_SELECTABLE, "selectable"},
        {STATE_SYSTEM_PROTECTED, "protected"},
    };
    std::string out;
    for (const Name& n : names) {
        if (state & n.bit) {
            if (!out.empty())
                out += '|';
            out += n.name;
        }
    }
    return out.empty() ? "-" : out;
}

VARIANT ChildVariant(long id)
{
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

struct Element {
    IAccessible* object;
    long child;
};

std::string Describe(const Element& e)
{
    VARIANT child = ChildVariant(e.child);
    std::string line;
    VARIANT role;
    VariantInit(&role);
    const HRESULT hr = e.object->get_accRole(child, &role);
    if (SUCCEEDED(hr) && role.vt == VT_I4) {
        const char* name = RoleName(role.lVal);
        line += name ? name : std::to_string(role.lVal);
    } else {
        char code[16];
        std::snprintf(code, sizeof code, "?%08lx", static_cast<unsigned long>(hr));
        line += code;
    }
    VariantClear(&role);
    BSTR text = nullptr;
    line += '\t';
    if (e.object->get_accName(child, &text) == S_OK)
        line += FromBSTR(text);
    text = nullptr;
    line += '\t';
    if (e.object->get_accValue(child, &text) == S_OK)
        line += FromBSTR(text);
    VARIANT state;
    VariantInit(&state);
    line += '\t';
    if (SUCCEEDED(e.object->get_accState(child, &state)) && state.vt == VT_I4)
        line += StateNames(state.lVal);
    VariantClear(&state);
    LONG left = 0, top = 0, width = 0, height = 0;
    line += '\t';
    if (SUCCEEDED(e.object->accLocation(&left, &top, &width, &height, child)))
        line += std::to_string(left) + ' ' + std::to_string(top) + ' ' + std::to_string(width) + ' ' +
                std::to_string(height);
    return line;
}

// A native control's window object stands for the control: its client
// object has the role (push button, check box) a reader announces. Wine 8's
// window object answers no role at all (E_NOTIMPL); it is taken as one.
IAccessible* ClientOfWindowObject(IAccessible* object)
{
    VARIANT self = ChildVariant(CHILDID_SELF);
    VARIANT role;
    VariantInit(&role);
    const HRESULT hr = object->get_accRole(self, &role);
    if (hr != E_NOTIMPL && (FAILED(hr) || role.vt != VT_I4 || role.lVal != ROLE_SYSTEM_WINDOW))
        return object;
    HWND hwnd = nullptr;
    IAccessible* client = nullptr;
    if (SUCCEEDED(WindowFromAccessibleObject(object, &hwnd)) && hwnd &&
        SUCCEEDED(AccessibleObjectFromWindow(hwnd, DWORD(OBJID_CLIENT), __uuidof(IAccessible),
                                             reinterpret_cast<void**>(&client))) && client) {
        object->Release();
        return client;
    }
    return object;
}

// Calls visit(element, depth) for the object and everything below it, in
// order; stops when visit answers false.
template <class Visit>
bool Walk(IAccessible* object, int depth, Visit& visit)
{
    if (!visit(Element{object, CHILDID_SELF}, depth))
        return false;
    if (depth > 20)
        return true;
    LONG count = 0;
    if (FAILED(object->get_accChildCount(&count)) || count <= 0)
        return true;
    std::vector<VARIANT> children(static_cast<size_t>(count));
    LONG got = 0;
    if (FAILED(AccessibleChildren(object, 0, count, children.data(), &got)))
        return true;
    bool going = true;
    for (LONG i = 0; i < got; ++i) {
        VARIANT& v = children[size_t(i)];
        if (going && v.vt == VT_DISPATCH && v.pdispVal) {
            IAccessible* child = nullptr;
            if (SUCCEEDED(v.pdispVal->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&child)))) {
                child = ClientOfWindowObject(child);
                going = Walk(child, depth + 1, visit);
                child->Release();
            }
        } else if (going && v.vt == VT_I4) {
            going = visit(Element{object, v.lVal}, depth + 1);
        }
        VariantClear(&v);
    }
    return going;
}

void Print(const std::string& line)
{
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

struct Search {
    const std::wstring* title;
    const std::wstring* className;
    HWND found;
    std::vector<HWND>* all;   // when set, every match, and the search goes on
};

bool Matches(HWND hwnd, const Search& search)
{
    if (!IsWindowVisible(hwnd))
        return false;
    if (!search.className->empty()) {
        wchar_t name[256] = {};
        GetClassNameW(hwnd, name, 256);
        if (*search.className != name)
            return false;
    }
    if (!search.title->empty()) {
        const int length = GetWindowTextLengthW(hwnd);
        std::wstring text(size_t(length + 1), L'\0');
        text.resize(size_t(GetWindowTextW(hwnd, &text[0], length + 1)));
        if (*search.title != text)
            return false;
    }
    return true;
}

BOOL CALLBACK SearchChild(HWND hwnd, LPARAM data)
{
    Search& search = *reinterpret_cast<Search*>(data);
    if (Matches(hwnd, search)) {
        search.found = hwnd;
        if (search.all)
            search.all->push_back(hwnd);
        return search.all ? TRUE : FALSE;
    }
    return TRUE;
}

BOOL CALLBACK SearchTop(HWND hwnd, LPARAM data)
{
    Search& search = *reinterpret_cast<Search*>(data);
    if (Matches(hwnd, search)) {
        search.found = hwnd;
        if (!search.all)
            return FALSE;
        search.all->push_back(hwnd);
        return TRUE;
    }
    EnumChildWindows(hwnd, SearchChild, data);
    return (search.found && !search.all) ? FALSE : TRUE;
}

IAccessible* ClientObject(HWND hwnd)
{
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(hwnd, DWORD(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object))))
        return nullptr;
    return object;
}

// Whether the tree below `root` holds an object named `name`.
bool Holds(IAccessible* root, const std::string& name)
{
    bool found = false;
    auto visit = [&](const Element& e, int) {
        VARIANT child = ChildVariant(e.child);
        BSTR text = nullptr;
        found = e.object->get_accName(child, &text) == S_OK && FromBSTR(text) == name;
        return !found;
    };
    Walk(root, 0, visit);
    return found;
}

// A visible window with this title and class: a top-level one, or a child
// (a multiple-document window) when no top-level one has them; with `with`,
// the first of them that holds an object of that name.
HWND FindTarget(const std::wstring& title, const std::wstring& className, const std::string& with,
                double waitSeconds)
{
    const DWORD deadline = GetTickCount() + DWORD(waitSeconds * 1000);
    for (;;) {
        std::vector<HWND> all;
        Search search = {&title, &className, nullptr, with.empty() ? nullptr : &all};
        EnumWindows(SearchTop, reinterpret_cast<LPARAM>(&search));
        if (search.found && with.empty())
            return search.found;
        for (HWND hwnd : all) {
            if (IAccessible* object = ClientObject(hwnd)) {
                const bool holds = Holds(object, with);
                object->Release();
                if (holds)
                    return hwnd;
            }
        }
        if (LONG(GetTickCount() - deadline) >= 0)
            return nullptr;
        Sleep(100);
    }
}

std::vector<std::string> SplitTabs(const std::string& line)
{
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        const size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos)
            return fields;
        start = tab + 1;
    }
}

// One object as a reader's tree shows it: role "name" = value [states] at
// x,y w x h from the top left of the first object (the client area).
std::string DumpLine(const std::string& described, int depth, long originX, long originY)
{
    std::vector<std::string> f = SplitTabs(described);
    f.resize(5);
    std::string line(size_t(depth) * 2, ' ');
    line += f[0];
    if (!f[1].empty())
        line += " \"" + f[1] + '"';
    if (!f[2].empty())
        line += " = \"" + f[2] + '"';
    if (f[3] != "-" && !f[3].empty())
        line += " [" + f[3] + ']';
    long x = 0, y = 0, w = 0, h = 0;
    if (std::sscanf(f[4].c_str(), "%ld %ld %ld %ld", &x, &y, &w, &h) == 4)
        line += " at " + std::to_string(x - originX) + ',' + std::to_string(y - originY) + ' ' + std::to_string(w) +
                'x' + std::to_string(h);
    return line;
}

int DoWalk(IAccessible* root, bool dump)
{
    long originX = 0, originY = 0;
    bool first = true;
    auto visit = [&](const Element& e, int depth) {
        const std::string described = Describe(e);
        if (!dump) {
            Print(std::to_string(depth) + '\t' + described);
            return true;
        }
        if (first) {
            std::vector<std::string> f = SplitTabs(described);
            long w = 0, h = 0;
            if (f.size() > 4)
                std::sscanf(f[4].c_str(), "%ld %ld %ld %ld", &originX, &originY, &w, &h);
            first = false;
        }
        Print(DumpLine(described, depth, originX, originY));
        return true;
    };
    Walk(root, 0, visit);
    return 0;
}

int DoPress(IAccessible* root, const std::string& name)
{
    HRESULT result = E_FAIL;
    bool found = false;
    auto visit = [&](const Element& e, int) {
        VARIANT child = ChildVariant(e.child);
        BSTR text = nullptr;
        if (e.object->get_accName(child, &text) != S_OK || FromBSTR(text) != name)
            return true;
        found = true;
        result = e.object->accDoDefaultAction(child);
        return false;
    };
    Walk(root, 0, visit);
    if (!found) {
        Print("no object named " + name);
        return 1;
    }
    Print("pressed " + name + (SUCCEEDED(result) ? "" : " (failed: " + std::to_string(long(result)) + ")"));
    return SUCCEEDED(result) ? 0 : 1;
}

const char* EventName(DWORD event)
{
    switch (event) {
    case EVENT_OBJECT_FOCUS: return "focus";
    case EVENT_OBJECT_NAMECHANGE: return "namechange";
    case EVENT_OBJECT_VALUECHANGE: return "valuechange";
    case EVENT_OBJECT_STATECHANGE: return "statechange";
    case EVENT_OBJECT_SELECTION: return "selection";
    case EVENT_OBJECT_SHOW: return "show";
    default: return nullptr;
    }
}

void CALLBACK OnEvent(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG objectID, LONG childID, DWORD, DWORD)
{
    // A positive object ID is the program's own: a view's object, in which
    // the child ID names an item (a list's line).
    const char* name = EventName(event);
    if (!name || (objectID != OBJID_CLIENT && objectID <= 0))
        return;
    IAccessible* object = nullptr;
    VARIANT child;
    VariantInit(&child);
    if (FAILED(AccessibleObjectFromEvent(hwnd, DWORD(objectID), DWORD(childID), &object, &child)) || !object) {
        Print(std::string(name) + "\t?");
        return;
    }
    Print(std::string(name) + '\t' + Describe(Element{object, child.vt == VT_I4 ? child.lVal : CHILDID_SELF}));
    object->Release();
    VariantClear(&child);
}

int DoListen(HWND target, double seconds)
{
    DWORD process = 0;
    GetWindowThreadProcessId(target, &process);
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_SHOW, EVENT_OBJECT_VALUECHANGE, nullptr, OnEvent, process, 0,
                                         WINEVENT_OUTOFCONTEXT);
    if (!hook) {
        Print("no event hook");
        return 1;
    }
    Print("listening");
    const DWORD deadline = GetTickCount() + DWORD(seconds * 1000);
    for (;;) {
        const LONG left = LONG(deadline - GetTickCount());
        if (left <= 0)
            break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, DWORD(left), QS_ALLINPUT);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    UnhookWinEvent(hook);
    return 0;
}

int Usage()
{
    std::fputs("usage: acc_client [--title T] [--class C] [--with NAME] [--wait S] [--dump] walk | press NAME | "
               "listen SECONDS\n",
               stderr);
    return 2;
}

}  // namespace

int main()
{
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::wstring title, className;
    std::string with;
    double wait = 10;
    bool dump = false;
    int i = 1;
    for (; i + 1 < argc && argv[i][0] == L'-'; i += 2) {
        const std::wstring option = argv[i];
        if (option == L"--dump") {
            dump = true;
            --i;  // a flag without a value
        } else if (option == L"--with") {
            with = Utf8(argv[i + 1]);
        } else if (option == L"--title") {
            title = argv[i + 1];
        } else if (option == L"--class") {
            className = argv[i + 1];
        } else if (option == L"--wait") {
            wait = _wtof(argv[i + 1]);
        } else {
            return Usage();
        }
    }
    if (i >= argc || (title.empty() && className.empty()))
        return Usage();
    const std::wstring command = argv[i];
    const std::string argument = i + 1 < argc ? Utf8(argv[i + 1]) : std::string();
    if ((command == L"press" || command == L"listen") && argument.empty())
        return Usage();

    // A screen reader is DPI-aware: the rectangles it reads are the screen's
    // pixels, not ones the system scaled for it.
    using SetAwareFn = BOOL(WINAPI*)();
    auto setAware = reinterpret_cast<SetAwareFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetProcessDPIAware")));
    if (setAware)
        setAware();
    CoInitialize(nullptr);
    HWND target = FindTarget(title, className, with, wait);
    if (!target) {
        Print("no window");
        return 1;
    }
    if (command == L"listen")
        return DoListen(target, std::atof(argument.c_str()));
    IAccessible* root = nullptr;
    const HRESULT hr = AccessibleObjectFromWindow(target, DWORD(OBJID_CLIENT), __uuidof(IAccessible),
                                                  reinterpret_cast<void**>(&root));
    if (FAILED(hr) || !root) {
        Print("no accessible object: " + std::to_string(long(hr)));
        return 1;
    }
    int status = 2;
    if (command == L"walk")
        status = DoWalk(root, dump);
    else if (command == L"press")
        status = DoPress(root, argument);
    else
        status = Usage();
    root->Release();
    CoUninitialize();
    return status;
}
