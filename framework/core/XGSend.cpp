#include "XGSend.h"
#include "XGDispatch.h"
#include <algorithm>
#include <cstddef>

XGSend::XGSend()
    : fChanged(false)
{
}

XGSend::~XGSend()
{
    while (!fReceivers.empty())
        RemoveReceiver(fReceivers.front().fTarget);
}

bool XGSend::HasReceiver(const XGDispatch* d) const
{
    return std::any_of(fReceivers.begin(), fReceivers.end(),
                       [d](const XGSDispRecord& r) { return r.fTarget == d; });
}

void XGSend::AddReceiver(XGDispatch* d)
{
    if (HasReceiver(d))
        return;
    fReceivers.push_back(XGSDispRecord { false, d });
    d->fSend.push_back(this);
}

void XGSend::RemoveReceiver(XGDispatch* d)
{
    auto record = std::find_if(fReceivers.begin(), fReceivers.end(),
                               [d](const XGSDispRecord& r) { return r.fTarget == d; });
    if (record != fReceivers.end()) {
        fReceivers.erase(record);
        fChanged = true;
    }
    auto list = std::find(d->fSend.begin(), d->fSend.end(), this);
    if (list != d->fSend.end())
        d->fSend.erase(list);
}

void XGSend::SendMessageA(long msg, long arg, void* data)
{
    fChanged = false;
    size_t count = fReceivers.size();
    for (XGSDispRecord& record : fReceivers)
        record.fSent = false;

    // A receiver removed during a call shifts the records behind it, so the
    // pass starts again; the fSent marks keep anyone from being served twice.
    bool complete = false;
    while (!complete) {
        complete = true;
        for (size_t i = 0; i < count && i < fReceivers.size(); ++i) {
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
            count = fReceivers.size();
            fChanged = false;
        }
    }
}
