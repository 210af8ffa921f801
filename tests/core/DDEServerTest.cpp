#include <gtest/gtest.h>
#include <windows.h>
#include <dde.h>
#include <ddeml.h>

#include <atomic>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "TestApp.h"
#include "records/XGAlertForms.h"
#include "views/XGDDEServer.h"
#include "views/XGWindow.h"
#include "dialogs/XGDialog.h"
#include "../support/TestWin32.h"

namespace {

const char kService[] = "KeboDDETest";
const char kTopic[] = "System";

// What a DDEML client in a thread of its own saw of one execute.
struct Transaction {
    bool connected = false;
    bool acknowledged = false;  // the transaction's result
    UINT error = DMLERR_NO_ERROR;
};

HDDEDATA CALLBACK IgnoreCallback(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR)
{
    return nullptr;
}

// Runs the client on its own thread while this one serves its windows, as a
// shell would from another process.
Transaction ExecuteThroughDdeml(const std::wstring& command)
{
    Transaction outcome;
    std::atomic<bool> finished(false);
    std::thread client([&] {
        DWORD instance = 0;
        if (DdeInitializeW(&instance, IgnoreCallback, APPCMD_CLIENTONLY, 0) == DMLERR_NO_ERROR) {
            HSZ service = DdeCreateStringHandleW(instance, L"KeboDDETest", CP_WINUNICODE);
            HSZ topic = DdeCreateStringHandleW(instance, L"System", CP_WINUNICODE);
            if (HCONV conversation = DdeConnect(instance, service, topic, nullptr)) {
                outcome.connected = true;
                DWORD result = 0;
                const DWORD bytes = DWORD((command.size() + 1) * sizeof(wchar_t));
                HDDEDATA data = DdeClientTransaction(
                    reinterpret_cast<LPBYTE>(const_cast<wchar_t*>(command.c_str())), bytes, conversation,
                    nullptr, 0, XTYP_EXECUTE, 5000, &result);
                outcome.acknowledged = data != nullptr;
                outcome.error = DdeGetLastError(instance);
                DdeDisconnect(conversation);
            } else {
                outcome.error = DdeGetLastError(instance);
            }
            DdeFreeStringHandle(instance, service);
            DdeFreeStringHandle(instance, topic);
            DdeUninitialize(instance);
        }
        finished = true;
    });
    const DWORD deadline = GetTickCount() + 20000;
    while (!finished && GetTickCount() < deadline) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        testsupport::Pump();
    }
    client.join();
    testsupport::Pump();
    return outcome;
}

// A bare client window that keeps every acknowledgement it gets, sent or posted.
std::vector<std::pair<WPARAM, LPARAM>> gAcks;

LRESULT CALLBACK RawClientProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DDE_ACK) {
        gAcks.emplace_back(wParam, lParam);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND MakeRawClient()
{
    static bool registered = false;
    if (!registered) {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = RawClientProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "KeboRawDDEClient";
        registered = RegisterClassA(&windowClass) != 0;
    }
    return CreateWindowA("KeboRawDDEClient", "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

// Posts an execute from client to server and answers whether the
// acknowledgement that comes back is positive; it must hand back the block.
bool PostRawExecute(HWND server, HWND client, const char* command)
{
    const size_t size = std::strlen(command) + 1;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, size);
    std::memcpy(GlobalLock(block), command, size);
    GlobalUnlock(block);
    gAcks.clear();
    EXPECT_TRUE(PostMessageA(server, WM_DDE_EXECUTE, reinterpret_cast<WPARAM>(client),
                             PackDDElParam(WM_DDE_EXECUTE, 0, reinterpret_cast<UINT_PTR>(block))));
    const DWORD deadline = GetTickCount() + 5000;
    while (gAcks.empty() && GetTickCount() < deadline) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        testsupport::Pump();
    }
    bool positive = false;
    if (gAcks.size() == 1) {
        EXPECT_EQ(reinterpret_cast<WPARAM>(server), gAcks[0].first);
        UINT_PTR status = 0;
        UINT_PTR handed = 0;
        UnpackDDElParam(WM_DDE_ACK, gAcks[0].second, &status, &handed);
        FreeDDElParam(WM_DDE_ACK, gAcks[0].second);
        EXPECT_EQ(reinterpret_cast<UINT_PTR>(block), handed);
        positive = (status & 0x8000) != 0;
    } else {
        ADD_FAILURE() << gAcks.size() << " acknowledgements for one execute";
    }
    GlobalFree(block);
    return positive;
}

enum class Kind { Dialog, Plain };

class DDEServer : public ::testing::TestWithParam<Kind> {
protected:
    void SetUp() override
    {
        StartTestProcess("");
        std::strcpy(_GDDEAppName, kService);
        std::strcpy(_GDDETopicName, kTopic);
        fApp = new TestApp();
        fApp->SetFocus();
        if (GetParam() == Kind::Dialog) {
            // The built-in error alert, run without a procedure, as a
            // program's own dialog-style window would be.
            XGDialog* dialog = XGDialog::Create(XGAlertForms::Get(1), nullptr, nullptr);
            ASSERT_NE(nullptr, dialog);
            fWindow = dialog;
        } else {
            fWindow = MakeTestWindow(1);
            fWindow->SetFocus();
        }
        testsupport::Pump();
        ASSERT_NE(fApp, XGDispatch::GetFocus()) << "the window under test must have the focus";
    }
    void TearDown() override
    {
        while (XGWindow::gList)
            delete XGWindow::gList;
        delete fApp;
        testsupport::Pump();
        _GDDEAppName[0] = 0;
        _GDDETopicName[0] = 0;
    }

    TestApp* fApp = nullptr;
    XGWindow* fWindow = nullptr;
};

struct ExecuteCase {
    const wchar_t* command;
    bool acknowledged;                    // positive exactly when the handler ran
    std::vector<std::string> documents;   // what the open handler received
};

const ExecuteCase kExecuteCases[] = {
    {L"[open(\"C:\\docs\\a b.txt\")]", true, {"C:\\docs\\a b.txt"}},
    {L"[open(C:\\one.txt)][open(C:\\two.txt)]", true, {"C:\\one.txt", "C:\\two.txt"}},
    // Nobody in this program prints: no handler, no success.
    {L"[print(\"C:\\a.txt\")]", false, {}},
    {L"[open(C:\\one.txt)][print(C:\\two.txt)]", false, {"C:\\one.txt"}},
    {L"[unknown(x)]", false, {}},
    {L"[open]", false, {}},
    {L"no command at all", false, {}},
    // Malformed: refused before anything runs.
    {L"[open(\"a\"b\")]", false, {}},
    {L"[open([open(x)])]", false, {}},
    {L"[open(C:\\one.txt)][open(\"C:\\two.txt", false, {}},
};

TEST_P(DDEServer, AcknowledgesAnExecutePositivelyExactlyWhenTheOpenHandlerRanForEveryCommand)
{
    for (const ExecuteCase& c : kExecuteCases) {
        const std::wstring wide(c.command);
        SCOPED_TRACE(std::string(wide.begin(), wide.end()));
        fApp->fDocuments.clear();
        Transaction outcome = ExecuteThroughDdeml(c.command);
        ASSERT_TRUE(outcome.connected) << "DMLERR " << std::hex << outcome.error;
        EXPECT_EQ(c.acknowledged, outcome.acknowledged);
        EXPECT_EQ(UINT(c.acknowledged ? DMLERR_NO_ERROR : DMLERR_NOTPROCESSED), outcome.error);
        EXPECT_EQ(c.documents, fApp->fDocuments);
    }
}

TEST_P(DDEServer, RefusesAnExecuteOutsideAConversationAndAfterItsTerminate)
{
    HWND client = MakeRawClient();
    ASSERT_NE(nullptr, client);
    HWND server = fWindow->GetHWND();
    const char* command = "[open(\"C:\\raw.txt\")]";

    EXPECT_FALSE(PostRawExecute(server, client, command)) << "no initiate yet";
    EXPECT_TRUE(fApp->fDocuments.empty());

    gAcks.clear();
    ATOM service = GlobalAddAtomA(kService);
    ATOM topic = GlobalAddAtomA(kTopic);
    SendMessageA(server, WM_DDE_INITIATE, reinterpret_cast<WPARAM>(client), MAKELPARAM(service, topic));
    GlobalDeleteAtom(service);
    GlobalDeleteAtom(topic);
    ASSERT_EQ(1u, gAcks.size()) << "the initiate is answered";

    EXPECT_TRUE(PostRawExecute(server, client, command)) << "within the conversation";
    EXPECT_EQ(std::vector<std::string>{"C:\\raw.txt"}, fApp->fDocuments);

    // Another window of the same process is in no conversation of its own.
    HWND stranger = MakeRawClient();
    fApp->fDocuments.clear();
    EXPECT_FALSE(PostRawExecute(server, stranger, command)) << "from a window that never initiated";
    EXPECT_TRUE(fApp->fDocuments.empty());

    PostMessageA(server, WM_DDE_TERMINATE, reinterpret_cast<WPARAM>(client), 0);
    testsupport::Pump();
    EXPECT_FALSE(PostRawExecute(server, client, command)) << "after the terminate";
    EXPECT_TRUE(fApp->fDocuments.empty());

    DestroyWindow(stranger);
    DestroyWindow(client);
}

INSTANTIATE_TEST_SUITE_P(Windows, DDEServer, ::testing::Values(Kind::Dialog, Kind::Plain),
                         [](const ::testing::TestParamInfo<Kind>& info) {
                             return std::string(info.param == Kind::Dialog ? "DialogWithoutProcedure"
                                                                           : "PlainWindow");
                         });

} // namespace
