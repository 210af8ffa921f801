#include "views/XGEventOwner.h"

#include "dispatch/XGEventLoop.h"

XGEventOwner::XGEventOwner(XGWindow* window)
{
    if (XGEventLoop* loop = XGEventLoop::GetLoop())
        loop->SetEventOwner(window);
}

XGEventOwner::~XGEventOwner()
{
    if (XGEventLoop* loop = XGEventLoop::GetLoop())
        loop->SetEventOwner(nullptr);
}
