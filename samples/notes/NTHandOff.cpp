#include "NTHandOff.h"

#include "NTDiskFile.h"
#include "dispatch/XGGlobals.h"
#include "foundation/XGWide.h"
#include "views/XGDDEServer.h"

#include <cstring>
#include <string>
#include <vector>
#include <windows.h>
#include <dde.h>

namespace {

// How long the running instance may take to answer each request: opening a
// file may show an alert that waits for the user.
const DWORD kAnswerMilliseconds = 30000;

struct Conversation {
    HWND server = nullptr;
    bool acknowledged = false;
    bool positive = false;
    bool terminated = false;
};
Conversation* gConversation = nullptr;

LRESULT CALLBACK ClientProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Conversation* talk = gConversation;
    switch (message) {
    case WM_DDE_ACK:
        if (!talk)
            return 0;
        if (!talk->server) {
            // The answer to the initiate, sent: its atoms are ours to delete.
            talk->server = reinterpret_cast<HWND>(wParam);
            GlobalDeleteAtom(LOWORD(lParam));
            GlobalDeleteAtom(HIWORD(lParam));
        } else if (reinterpret_cast<HWND>(wParam) == talk->server) {
            UINT_PTR status = 0;
            UINT_PTR commands = 0;
            UnpackDDElParam(WM_DDE_ACK, lParam, &status, &commands);
            FreeDDElParam(WM_DDE_ACK, lParam);
            GlobalFree(reinterpret_cast<HGLOBAL>(commands));
            talk->acknowledged = true;
            talk->positive = (status & 0x8000) != 0;
        } else {
            // A second server answered the initiate: not wanted.
            GlobalDeleteAtom(LOWORD(lParam));
            GlobalDeleteAtom(HIWORD(lParam));
            PostMessageW(reinterpret_cast<HWND>(wParam), WM_DDE_TERMINATE, reinterpret_cast<WPARAM>(hwnd), 0);
        }
        return 0;
    case WM_DDE_TERMINATE:
        if (talk && reinterpret_cast<HWND>(wParam) == talk->server)
            talk->terminated = true;
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

// The command line's arguments, split as the framework splits its own.
std::vector<std::string> SplitArguments(const char* text)
{
    std::vector<std::string> arguments;
    const char* p = text ? text : "";
    while (*p) {
        while (*p == ' ' || *p == '\t')
            ++p;
        if (!*p)
            break;
        std::string argument;
        if (*p == '"') {
            ++p;
            while (*p && *p != '"')
                argument.push_back(*p++);
            if (*p == '"')
                ++p;
        } else {
            while (*p && *p != ' ' && *p != '\t')
                argument.push_back(*p++);
        }
        arguments.push_back(argument);
    }
    return arguments;
}

// Runs the messages of this thread until done says so or the time is out.
template <class Done>
bool WaitFor(Done done, DWORD milliseconds)
{
    DWORD start = GetTickCount();
    while (!done()) {
        DWORD spent = GetTickCount() - start;
        if (spent >= milliseconds)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - spent, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return true;
}

enum Answer { kDone, kRefused, kNoAnswer };

// To a Unicode server window the command goes as UTF-16, so that a path in
// any script arrives whole; a server window of the ANSI kind (an older
// instance) reads bytes, and gets the UTF-8 form.
Answer Execute(HWND client, Conversation& talk, const std::string& command)
{
    XGWide wide(command);
    bool unicode = IsWindowUnicode(talk.server) != FALSE;
    size_t size = unicode ? (size_t(wide.Length()) + 1) * sizeof(wchar_t) : command.size() + 1;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, size);
    if (!block)
        return kRefused;
    if (void* text = GlobalLock(block)) {
        std::memcpy(text, unicode ? static_cast<const void*>(wide.Get()) : command.c_str(), size);
        GlobalUnlock(block);
    }
    talk.acknowledged = false;
    if (!PostMessageW(talk.server, WM_DDE_EXECUTE, reinterpret_cast<WPARAM>(client),
                      reinterpret_cast<LPARAM>(block))) {
        GlobalFree(block);
        return kNoAnswer;
    }
    if (!WaitFor([&] { return talk.acknowledged; }, kAnswerMilliseconds))
        return kNoAnswer;
    return talk.positive ? kDone : kRefused;
}

}  // namespace

void NTHandOff::Serve()
{
    lstrcpynA(_GDDEAppName, kService, sizeof _GDDEAppName);
    lstrcpynA(_GDDETopicName, kTopic, sizeof _GDDETopicName);
}

NTHandOff::Outcome NTHandOff::ToRunningInstance(const char* commandLine, std::string& names,
                                                std::string& cause)
{
    WNDCLASSW windowClass;
    std::memset(&windowClass, 0, sizeof windowClass);
    windowClass.lpfnWndProc = ClientProc;
    windowClass.hInstance = _GInstance;
    windowClass.lpszClassName = L"KEBONotesHandOff";
    RegisterClassW(&windowClass);
    HWND client = CreateWindowExW(0, windowClass.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                  _GInstance, nullptr);
    if (!client)
        return kNoInstance;

    Conversation talk;
    gConversation = &talk;
    ATOM service = GlobalAddAtomW(XGWide(kService));
    ATOM topic = GlobalAddAtomW(XGWide(kTopic));
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(HWND_BROADCAST, WM_DDE_INITIATE, reinterpret_cast<WPARAM>(client),
                        MAKELPARAM(service, topic), SMTO_ABORTIFHUNG, 5000, &ignored);
    GlobalDeleteAtom(service);
    GlobalDeleteAtom(topic);

    bool handed = talk.server != nullptr;
    bool refused = false, timedOut = false;
    if (handed) {
        // Names go over as full paths: the running instance has a current
        // folder of its own.
        for (const std::string& argument : SplitArguments(commandLine)) {
            std::string path = NTDiskFile::FullPath(argument.c_str());
            if (path.empty())
                path = argument;
            Answer answer = kNoAnswer;
            // Once it did not answer, it is not asked again: each request
            // would wait as long.
            if (!timedOut)
                answer = Execute(client, talk, "[open(\"" + path + "\")]");
            if (answer == kDone)
                continue;
            names += (names.empty() ? "" : ", ") + std::string(NTDiskFile::FileName(path.c_str()));
            if (answer == kNoAnswer)
                timedOut = true;
            else
                refused = true;
        }
        if (refused)
            cause = "It could not open it, and said why";
        if (timedOut)
            cause += std::string(cause.empty() ? "It" : "; or it") + " did not answer within "
                     + std::to_string(kAnswerMilliseconds / 1000) + " seconds";
        HWND server = talk.server;
        PostMessageW(server, WM_DDE_TERMINATE, reinterpret_cast<WPARAM>(client), 0);
        WaitFor([&] { return talk.terminated; }, 2000);
        // The instance that holds the documents is the one the user wants.
        HWND frame = GetAncestor(server, GA_ROOT);
        if (IsIconic(frame))
            ShowWindow(frame, SW_RESTORE);
        SetForegroundWindow(frame);
    }
    gConversation = nullptr;
    DestroyWindow(client);
    if (!handed)
        return kNoInstance;
    return refused || timedOut ? kNotOpened : kHandedOff;
}
