#include "dispatch/XGPeriodic.h"

XGPeriodic* XGPeriodic::gList = nullptr;

XGPeriodic::XGPeriodic()
    : fNext(gList)
{
    gList = this;
}

XGPeriodic::~XGPeriodic()
{
    for (XGPeriodic** link = &gList; *link; link = &(*link)->fNext) {
        if (*link == this) {
            *link = fNext;
            break;
        }
    }
}

void XGPeriodic::DoPeriodicPre()
{
}

void XGPeriodic::DoPeriodicPost()
{
}

void XGPeriodic::SendPeriodic(bool post)
{
    for (XGPeriodic* task = gList; task; task = task->fNext) {
        if (post)
            task->DoPeriodicPost();
        else
            task->DoPeriodicPre();
    }
}
