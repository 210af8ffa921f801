#include "dispatch/XGBroadcast.h"
#include "dispatch/XGDispatch.h"

XGSend XGBroadcast::gSend;
XGSDynArray<_PostRecord> XGBroadcast::gPostStack;

void XGBroadcast::AddBroadcast(XGDispatch* d)
{
    gSend.AddReceiver(d);
}

void XGBroadcast::SendBroadcast(long msg, long arg, void* data)
{
    gSend.SendMessageA(msg, arg, data);
}

void XGBroadcast::PostBroadcast(long msg, long arg, void* data)
{
    gPostStack += _PostRecord { msg, arg, data };
}

void XGBroadcast::SendPostBroadcast()
{
    // Records posted while these are delivered are dropped with them, so a
    // receiver that posts on every delivery cannot keep the loop busy.
    long count = gPostStack.Length();
    for (long i = 0; i < count; ++i) {
        _PostRecord record = gPostStack[i];
        gSend.SendMessageA(record.msg, record.arg, record.data);
    }
    gPostStack.DeleteAll();
}
