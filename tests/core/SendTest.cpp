#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "dispatch/XGBroadcast.h"
#include "dispatch/XGDispatch.h"
#include "dispatch/XGPeriodic.h"
#include "dispatch/XGSend.h"

namespace {

std::vector<std::string> gLog;

// A receiver that logs each delivery and may act on the list while served.
class Receiver : public XGDispatch {
public:
    XG_DECLARE_DISPATCH(Receiver)

    explicit Receiver(const char* name) : fName(name) {}

    std::string fName;
    XGSend* fList = nullptr;
    XGDispatch* fRemove = nullptr;      // taken out of fList when served
    Receiver* fDelete = nullptr;        // destroyed when served
    Receiver* fAdd = nullptr;           // added to fList when served
    bool fPostAgain = false;

    long Note(long arg, void* data)
    {
        gLog.push_back(fName + ":" + std::to_string(arg));
        if (fRemove) {
            fList->RemoveReceiver(fRemove);
            fRemove = nullptr;
        }
        if (fDelete) {
            delete fDelete;
            fDelete = nullptr;
        }
        if (fAdd) {
            fList->AddReceiver(fAdd);
            fAdd = nullptr;
        }
        if (fPostAgain)
            XGBroadcast::PostBroadcast('note', 99, data);
        return 0;
    }

protected:
    // Broadcasts must never climb: this parent would log if they did.
    XGDispatch* GetParentDispatch() override { return fParentForTest; }

public:
    XGDispatch* fParentForTest = nullptr;
};

// long Handler(long arg, void* data); -1 passes the message on.
XG_BEGIN_DISPATCH(Receiver, XGDispatch)
    XG_ON('note', Note)
XG_END_DISPATCH()

class SendTest : public ::testing::Test {
protected:
    void SetUp() override { gLog.clear(); }
};

TEST_F(SendTest, EveryReceiverIsServedOnceInRegistrationOrder)
{
    XGSend list;
    Receiver a("A"), b("B"), c("C");
    list.AddReceiver(&a);
    list.AddReceiver(&b);
    list.AddReceiver(&a);   // already there: no second record
    list.AddReceiver(&c);
    list.SendMessageA('note', 1, nullptr);
    EXPECT_EQ((std::vector<std::string> {"A:1", "B:1", "C:1"}), gLog);
}

TEST_F(SendTest, DeliveryNeverClimbsToParents)
{
    XGSend list;
    Receiver parent("P"), a("A");
    a.fParentForTest = &parent;
    list.AddReceiver(&a);
    list.SendMessageA('note', 2, nullptr);
    EXPECT_EQ((std::vector<std::string> {"A:2"}), gLog);
    list.SendMessageA('none', 2, nullptr);
    EXPECT_EQ(1u, gLog.size());
}

TEST_F(SendTest, RemovingALaterReceiverDuringDeliveryRestartsWithoutRepeats)
{
    XGSend list;
    Receiver a("A"), b("B"), c("C");
    list.AddReceiver(&a);
    list.AddReceiver(&b);
    list.AddReceiver(&c);
    a.fList = &list;
    a.fRemove = &b;
    list.SendMessageA('note', 3, nullptr);
    EXPECT_EQ((std::vector<std::string> {"A:3", "C:3"}), gLog);
    EXPECT_EQ(2, list.CountReceivers());
}

TEST_F(SendTest, ReceiverDestroyedDuringDeliveryLeavesEveryListAndIsSkipped)
{
    XGSend list;
    XGSend other;
    Receiver a("A"), c("C");
    Receiver* b = new Receiver("B");
    list.AddReceiver(&a);
    list.AddReceiver(b);
    list.AddReceiver(&c);
    other.AddReceiver(b);
    a.fDelete = b;
    list.SendMessageA('note', 4, nullptr);
    EXPECT_EQ((std::vector<std::string> {"A:4", "C:4"}), gLog);
    EXPECT_FALSE(list.HasReceiver(b));
    EXPECT_EQ(0, other.CountReceivers());
}

TEST_F(SendTest, RemovingTheServedReceiverStillServesTheRest)
{
    XGSend list;
    Receiver a("A"), b("B"), c("C");
    list.AddReceiver(&a);
    list.AddReceiver(&b);
    list.AddReceiver(&c);
    b.fList = &list;
    b.fRemove = &b;
    list.SendMessageA('note', 5, nullptr);
    EXPECT_EQ((std::vector<std::string> {"A:5", "B:5", "C:5"}), gLog);
}

TEST_F(SendTest, ReceiverAddedDuringDeliveryWaitsForTheNextMessage)
{
    XGSend list;
    Receiver a("A"), late("L");
    list.AddReceiver(&a);
    a.fList = &list;
    a.fAdd = &late;
    list.SendMessageA('note', 6, nullptr);
    EXPECT_EQ((std::vector<std::string> {"A:6"}), gLog);
    list.SendMessageA('note', 7, nullptr);
    EXPECT_EQ((std::vector<std::string> {"A:6", "A:7", "L:7"}), gLog);
}

TEST_F(SendTest, DestroyedListReleasesItsReceivers)
{
    Receiver a("A");
    XGSend* list = new XGSend;
    list->AddReceiver(&a);
    delete list;
    // a's destructor would touch the freed list if it were still recorded (the sanitizers
    // of the native run report it).
    XGSend again;
    again.AddReceiver(&a);
    EXPECT_TRUE(again.HasReceiver(&a));
}

class BroadcastTest : public SendTest {
protected:
    void TearDown() override { XGBroadcast::gPostStack.DeleteAll(); }
};

TEST_F(BroadcastTest, PostedBroadcastsArriveInOrderAtTheNextSend)
{
    Receiver a("A");
    XGBroadcast::AddBroadcast(&a);
    XGBroadcast::PostBroadcast('note', 1, nullptr);
    XGBroadcast::PostBroadcast('note', 2, nullptr);
    EXPECT_TRUE(gLog.empty());
    XGBroadcast::SendPostBroadcast();
    EXPECT_EQ((std::vector<std::string> {"A:1", "A:2"}), gLog);
    EXPECT_EQ(0, XGBroadcast::gPostStack.Length());
}

TEST_F(BroadcastTest, BroadcastsPostedDuringDeliveryAreDropped)
{
    Receiver a("A");
    XGBroadcast::AddBroadcast(&a);
    a.fPostAgain = true;
    XGBroadcast::PostBroadcast('note', 1, nullptr);
    XGBroadcast::SendPostBroadcast();
    EXPECT_EQ((std::vector<std::string> {"A:1"}), gLog);
    EXPECT_EQ(0, XGBroadcast::gPostStack.Length());
}

TEST_F(BroadcastTest, EmptyQueueSendsNothing)
{
    Receiver a("A");
    XGBroadcast::AddBroadcast(&a);
    XGBroadcast::SendPostBroadcast();
    EXPECT_TRUE(gLog.empty());
}

TEST_F(BroadcastTest, DestroyedReceiverLeavesTheBroadcastList)
{
    {
        Receiver gone("G");
        XGBroadcast::AddBroadcast(&gone);
    }
    Receiver a("A");
    XGBroadcast::AddBroadcast(&a);
    XGBroadcast::SendBroadcast('note', 3, nullptr);
    EXPECT_EQ((std::vector<std::string> {"A:3"}), gLog);
}

class Task : public XGPeriodic {
public:
    explicit Task(const char* name) : fName(name) {}
    void DoPeriodicPre() override { gLog.push_back(fName + ".pre"); }
    void DoPeriodicPost() override { gLog.push_back(fName + ".post"); }
    std::string fName;
};

TEST_F(SendTest, PeriodicTasksGetPreOrPostAndLeaveTheListWhenDestroyed)
{
    Task first("1");
    {
        Task second("2");
        XGPeriodic::SendPeriodic(false);
        XGPeriodic::SendPeriodic(true);
    }
    XGPeriodic::SendPeriodic(true);
    EXPECT_EQ((std::vector<std::string> {"2.pre", "1.pre", "2.post", "1.post", "1.post"}), gLog);
}

}
