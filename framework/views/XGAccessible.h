// The accessible object of a framework window's client area: what screen
// readers and automation tools read through IAccessible. One object stands
// for one view that has children (the window itself at the top); its
// children are the child views in tree order (or the items a view shows in
// place of child views, a list's lines), a native control appearing as the
// system's own object. Child IDs 1..n name the children; negative IDs name
// any view of the window by its XGView::GetAccID, as the framework's win
// events do; a positive object ID (WM_GETOBJECT) names a view's own object,
// so that an event can name an item of a list by its child ID there. The
// object holds no pointer into the tree between calls: once its window or
// view is gone it answers CO_E_OBJNOTCONNECTED.
#pragma once

#include <windows.h>
#include <oleacc.h>

#include <string>

class XGView;
class XGWindow;

class XGAccessible final : public IAccessible {
public:
    // The answer to WM_GETOBJECT for a framework window: the client
    // object for OBJID_CLIENT, a view's object for its GetAccID, else -1
    // (the system answers).
    static LRESULT Answer(XGWindow* window, WPARAM flags, LPARAM objectID);
    // The same for a native window that is no framework window but shows
    // one view tree (the frame's tool bar strip): its client object is the
    // top view itself. The window calls Host when the view moves in and
    // Host(hwnd, nullptr) when it leaves.
    static void Host(HWND hwnd, XGView* root);
    static LRESULT AnswerHosted(HWND hwnd, WPARAM flags, LPARAM objectID);
    // Runs a default action posted to the window (kPostedAction), outside
    // the caller's cross-process call; `root` is the window or hosted view.
    static bool RunPosted(XGView* root, UINT message, WPARAM wParam, LPARAM lParam);

    // A new object for `view` under `root` (a window, or a hosted view) in
    // the native window `hwnd`, with one reference.
    static XGAccessible* Create(XGView* root, HWND hwnd, XGView* view);

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IDispatch: no type information; clients call the vtable.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argError) override;

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(LONG left, LONG top, VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

private:
    XGAccessible(XGView* root, HWND hwnd, long viewID);
    static LRESULT AnswerFor(XGView* root, HWND hwnd, WPARAM flags, LPARAM objectID);
    ~XGAccessible();
    XGAccessible(const XGAccessible&) = delete;
    XGAccessible& operator=(const XGAccessible&) = delete;

    // What a child ID names: a view (item -1) or an item of a view.
    struct Target {
        XGView* view = nullptr;
        long item = -1;
    };
    // The live window or hosted view, or null once it is gone.
    XGView* LiveRoot() const;
    // This object's view, or null once it (or its window) is gone.
    XGView* Node() const;
    // S_OK with *target set; CO_E_OBJNOTCONNECTED or E_INVALIDARG.
    HRESULT Resolve(const VARIANT& child, Target* target) const;
    // The object a child stands for as an IDispatch (its own for a view with
    // children, the system's for a native control), or null for a simple
    // element named by its child ID.
    IDispatch* ObjectFor(XGView* view) const;
    tagRECT ScreenRect(const Target& target) const;

    LONG fRefs;
    XGView* fRoot;  // compared only, never followed until found live
    HWND fHWND;
    long fViewID;   // XGView::GetAccID of the node; 0 for the root
};
