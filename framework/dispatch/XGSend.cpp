#include "dispatch/XGSend.h"
#include "dispatch/XGDispatch.h"

namespace {

long FindTarget(const XGSDynArray<XGSDispRecord>& records, const XGDispatch* d)
{
    for (long i = 0; i < records.Length(); ++i) {
        if (records[i].fTarget == d)
            return i;
    }
    return -1;
}

}

XGSend::XGSend()
    : fChanged(false)
{
}

XGSend::~XGSend()
{
    while (fReceivers.Length() > 0)
        RemoveReceiver(fReceivers[0].fTarget);
}

bool XGSend::HasReceiver(const XGDispatch* d) const
{
    return FindTarget(fReceivers, d) >= 0;
}

void XGSend::AddReceiver(XGDispatch* d)
{
    if (HasReceiver(d))
        return;
    fReceivers += XGSDispRecord { false, d };
    d->fSend += this;
}

void XGSend::RemoveReceiver(XGDispatch* d)
{
    long record = FindTarget(fReceivers, d);
    if (record >= 0) {
        fReceivers.Delete(record);
        fChanged = true;
    }
    for (long i = 0; i < d->fSend.Length(); ++i) {
        if (d->fSend[i] == this) {
            d->fSend.Delete(i);
            break;
        }
    }
}

void XGSend::SendMessageA(long msg, long arg, void* data)
{
    fChanged = false;
    long count = fReceivers.Length();
    for (long i = 0; i < count; ++i)
        fReceivers[i].fSent = false;

    // A receiver removed during a call shifts the records behind it, so the
    // pass starts again; the fSent marks keep anyone from being served twice.
    bool complete = false;
    while (!complete) {
        complete = true;
        for (long i = 0; i < count && i < fReceivers.Length(); ++i) {
            if (!fReceivers[i].fSent) {
                fReceivers[i].fSent = true;
                fReceivers[i].fTarget->DoDispatch(msg, arg, data, false);
            }
            if (fChanged) {
                complete = false;
                break;
            }
        }
        if (!complete) {
            count = fReceivers.Length();
            fChanged = false;
        }
    }
}
