#include "dispatch/XGDispatch.h"
#include "dispatch/XGSend.h"

XGDispatch* XGDispatch::gFocus = nullptr;
XGDispatch* XGDispatch::gRoot = nullptr;

const _DispatchTable XGDispatch::_Dispatch[] = {
    { -1, nullptr }
};

const _DispatchData XGDispatch::_TableData = { nullptr, XGDispatch::_Dispatch, nullptr };

XGDispatch::XGDispatch()
{
}

XGDispatch::~XGDispatch()
{
    // The application object inherits the focus silently: it is being handed
    // over, not gained, and the dying object must not be told it lost it.
    if (gFocus == this) {
        XGDispatch* heir = gRoot;
        gFocus = heir == this ? nullptr : heir;
    }
    while (fSend.Length() > 0)
        fSend[0]->RemoveReceiver(this);
}

long XGDispatch::DoDispatch(long msg, long arg, void* data, bool up)
{
    for (XGDispatch* target = this; target; target = target->GetParentDispatch()) {
        for (const _DispatchData* record = target->_GetDispatchTable(); record; record = record->base) {
            if (record->dispatch) {
                long result = (target->*record->dispatch)(msg, arg, data);
                if (result != -1)
                    return result;
            }
            for (const _DispatchTable* entry = record->table; entry->msg != -1; ++entry) {
                if (entry->msg == msg) {
                    long result = (target->*entry->proc)(arg, data);
                    if (result != -1)
                        return result;
                    break;      // later duplicates of a code are never consulted
                }
            }
        }
        if (!up)
            break;
    }
    return -1;
}

long XGDispatch::SendDispatch(long msg, long arg, void* data)
{
    if (!gFocus)
        return -1;
    return gFocus->DoDispatch(msg, arg, data, true);
}

void XGDispatch::SetFocus()
{
    if (gFocus == this)
        return;
    if (gFocus)
        gFocus->DoLoseFocus();
    gFocus = this;
    DoGainFocus();
}

void XGDispatch::DoGainFocus()
{
}

void XGDispatch::DoLoseFocus()
{
}

const _DispatchData* XGDispatch::_GetDispatchTable()
{
    return &_TableData;
}

XGDispatch* XGDispatch::GetParentDispatch()
{
    return nullptr;
}
