#pragma once
#include "foundation/XGArray.h"
#include "dispatch/XGSend.h"

class XGDispatch;

struct _PostRecord {
    long msg;
    long arg;
    void* data;
};

// The application-wide broadcast list and the queue of broadcasts posted for
// delivery after the current event.
class XGBroadcast {
public:
    XGBroadcast() = delete;

    static void AddBroadcast(XGDispatch* d);
    static void SendBroadcast(long msg, long arg, void* data);
    // Queues a broadcast; the next SendPostBroadcast delivers it, in order.
    static void PostBroadcast(long msg, long arg, void* data);
    static void SendPostBroadcast();

    static XGSend gSend;
    static XGSDynArray<_PostRecord> gPostStack;
};
