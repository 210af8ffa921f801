#pragma once

// A task run before and after every event of the event loop. Constructing one
// links it at the head of gList; destroying it unlinks it.
class XGPeriodic {
public:
    XGPeriodic();
    virtual ~XGPeriodic();
    XGPeriodic(const XGPeriodic&) = delete;
    XGPeriodic& operator=(const XGPeriodic&) = delete;

    virtual void DoPeriodicPre();
    virtual void DoPeriodicPost();

    static void SendPeriodic(bool post);

    static XGPeriodic* gList;

private:
    XGPeriodic* fNext;
};
