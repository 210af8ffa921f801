// What the system and other programs send a running KEBO Notes, for its
// end-to-end test: the session's end, a DDE "exit" through DDEML, a close
// from outside. Prints what came back, one line.
//
//   notes_poke query-end-session     the frame's answer: "answer 0" or "answer 1"
//   notes_poke end-session           WM_ENDSESSION (ending) to the frame
//   notes_poke dde-exit              "ack", "nack", "timeout" or "no server"
//   notes_poke close TITLE           WM_CLOSE posted to the window titled TITLE
#include <windows.h>
#include <ddeml.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

// Long enough for a question in Notes to be answered by the test.
const DWORD kWaitMilliseconds = 120000;

struct Search {
    const char* title;
    bool prefix;
    HWND found;
};

BOOL CALLBACK Match(HWND window, LPARAM data)
{
    Search* search = reinterpret_cast<Search*>(data);
    char text[512] = "";
    GetWindowTextA(window, text, sizeof text);
    bool match = search->prefix ? std::strncmp(text, search->title, std::strlen(search->title)) == 0
                                : std::strcmp(text, search->title) == 0;
    if (match) {
        search->found = window;
        return FALSE;
    }
    if (!search->prefix)
        EnumChildWindows(window, Match, data);
    return search->found ? FALSE : TRUE;
}

HWND FindWindowTitled(const char* title, bool prefix)
{
    Search search = {title, prefix, nullptr};
    EnumWindows(Match, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND Frame()
{
    return FindWindowTitled("KEBO Notes", true);
}

HDDEDATA CALLBACK Callback(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR)
{
    return nullptr;
}

const char* DdeExit()
{
    DWORD instance = 0;
    if (DdeInitializeA(&instance, Callback, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR)
        return "no ddeml";
    HSZ service = DdeCreateStringHandleA(instance, "KEBONotes", CP_WINANSI);
    HSZ topic = DdeCreateStringHandleA(instance, "System", CP_WINANSI);
    const char* outcome = "no server";
    if (HCONV conversation = DdeConnect(instance, service, topic, nullptr)) {
        char command[] = "[exit]";
        DWORD result = 0;
        HDDEDATA done = DdeClientTransaction(reinterpret_cast<LPBYTE>(command), sizeof command, conversation,
                                             nullptr, 0, XTYP_EXECUTE, kWaitMilliseconds, &result);
        if (done)
            outcome = "ack";
        else if (DdeGetLastError(instance) == DMLERR_NOTPROCESSED)
            outcome = "nack";
        else
            outcome = "timeout";
        DdeDisconnect(conversation);
    }
    DdeFreeStringHandle(instance, service);
    DdeFreeStringHandle(instance, topic);
    DdeUninitialize(instance);
    return outcome;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    std::string command = argv[1];
    if (command == "dde-exit") {
        std::printf("%s\n", DdeExit());
        return 0;
    }
    if (command == "close" && argc > 2) {
        HWND window = FindWindowTitled(argv[2], false);
        if (!window) {
            std::printf("no window\n");
            return 1;
        }
        PostMessageA(window, WM_CLOSE, 0, 0);
        std::printf("posted\n");
        return 0;
    }
    HWND frame = Frame();
    if (!frame) {
        std::printf("no frame\n");
        return 1;
    }
    DWORD_PTR answer = 0;
    if (command == "query-end-session") {
        if (!SendMessageTimeoutA(frame, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, kWaitMilliseconds,
                                 &answer)) {
            std::printf("no answer\n");
            return 1;
        }
        std::printf("answer %lu\n", static_cast<unsigned long>(answer));
        return 0;
    }
    if (command == "end-session") {
        SendMessageTimeoutA(frame, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL, kWaitMilliseconds, &answer);
        std::printf("sent\n");
        return 0;
    }
    return 2;
}
