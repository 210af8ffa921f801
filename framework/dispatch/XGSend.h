#pragma once
#include "foundation/XGArray.h"

class XGDispatch;

struct XGSDispRecord {
    bool fSent;             // already served in the current delivery
    XGDispatch* fTarget;
};

// A list of receivers that each get a message once. Receivers may be removed
// (even destroyed) while a delivery is under way; the pass then restarts and
// skips those already served.
class XGSend {
public:
    XGSend();
    virtual ~XGSend();
    XGSend(const XGSend&) = delete;
    XGSend& operator=(const XGSend&) = delete;

    void AddReceiver(XGDispatch* d);
    void RemoveReceiver(XGDispatch* d);
    void SendMessageA(long msg, long arg, void* data);

    long CountReceivers() const { return fReceivers.Length(); }
    bool HasReceiver(const XGDispatch* d) const;

private:
    bool fChanged;
    XGSDynArray<XGSDispRecord> fReceivers;
};
