#pragma once
#include "foundation/XGArray.h"

class XGDispatch;
class XGSend;

// Handlers of a dispatch table and the optional class-wide filter that runs
// before the table. Both are stored as members of XGDispatch; the macros
// below convert a derived class's members, which is sound because the table
// of a class is only ever used on objects of that class.
typedef long (XGDispatch::*XGDispatchProc)(long arg, void* data);
typedef long (XGDispatch::*XGDispatchMember)(long msg, long arg, void* data);

struct _DispatchTable {
    long msg;               // four-character code; -1 ends the table
    XGDispatchProc proc;
};

struct _DispatchData {
    const _DispatchData* base;      // null only for XGDispatch
    const _DispatchTable* table;
    XGDispatchMember dispatch;      // tried before the table; usually null
};

// In the class body (public section):
//     XG_DECLARE_DISPATCH(XGWindow)
// In the source file, next to the handlers:
//     // long Handler(long arg, void* data); -1 passes the message on.
//     XG_BEGIN_DISPATCH(XGWindow, XGView)
//         XG_ON('keye', DoKey)
//     XG_END_DISPATCH()
// A class with a filter member names it instead:
//     XG_BEGIN_DISPATCH_WITH(XGWindow, XGView, &XGWindow::Dispatch)
#define XG_DECLARE_DISPATCH(Class)                                  \
    typedef Class _XGDispatchSelf;                                  \
    static const _DispatchData _TableData;                          \
    static const _DispatchTable _Dispatch[];                        \
    const _DispatchData* _GetDispatchTable() override;

#define XG_BEGIN_DISPATCH_WITH(Class, Base, member)                 \
    const _DispatchData* Class::_GetDispatchTable() { return &Class::_TableData; } \
    const _DispatchData Class::_TableData = {                       \
        &Base::_TableData, Class::_Dispatch,                        \
        static_cast<XGDispatchMember>(member) };                    \
    const _DispatchTable Class::_Dispatch[] = {

#define XG_BEGIN_DISPATCH(Class, Base)                              \
    XG_BEGIN_DISPATCH_WITH(Class, Base, static_cast<XGDispatchMember>(nullptr))

#define XG_ON(code, handler)                                        \
    { code, static_cast<XGDispatchProc>(&_XGDispatchSelf::handler) },

#define XG_END_DISPATCH()                                           \
    { -1, nullptr } };

// The root of everything that receives framework messages: a message is a
// four-character code with a 32-bit argument and an untyped pointer, routed
// through the class tables of the receiver and then up its parent chain.
class XGDispatch {
public:
    // construction
    XGDispatch();
    virtual ~XGDispatch();
    XGDispatch(const XGDispatch&) = delete;
    XGDispatch& operator=(const XGDispatch&) = delete;

    // sending
    long DoDispatch(long msg, long arg, void* data, bool up = true);
    static long SendDispatch(long msg, long arg, void* data);

    // The receiver above every window and top view, where messages that no
    // view answered end: the application object registers itself while it
    // lives. It also inherits the focus from a dying object.
    static XGDispatch* GetRoot() { return gRoot; }
    static void SetRoot(XGDispatch* root) { gRoot = root; }

    // focus
    static XGDispatch* GetFocus() { return gFocus; }
    bool HasFocus() const { return gFocus == this; }

    // overridable, in slot order
    virtual void SetFocus();
    virtual void DoGainFocus();
    virtual void DoLoseFocus();
    virtual const _DispatchData* _GetDispatchTable();

    static const _DispatchData _TableData;
    static const _DispatchTable _Dispatch[];

protected:
    virtual XGDispatch* GetParentDispatch();

private:
    friend class XGSend;

    XGPDynArray<XGSend> fSend;     // the receiver lists that hold this object

    static XGDispatch* gFocus;
    static XGDispatch* gRoot;
};
