#include "views/XGDDEServer.h"

#include <dde.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "views/XGDDEParser.h"
#include "foundation/XGUtf8.h"
#include "foundation/XGWide.h"
#include "dispatch/XGDispatch.h"
#include "files/XGFileSpecifier.h"
#include "dispatch/XGMessages.h"

char _GDDEAppName[256] = "";
char _GDDETopicName[256] = "";

namespace {

enum : unsigned short { kAckPositive = 0x8000 };

// False when the atom has no readable name, so that a broken atom never
// matches an empty service name.
bool AtomNameEquals(ATOM atom, const char* expected)
{
    wchar_t name[257] = L"";
    const UINT length = GlobalGetAtomNameW(atom, name, 256);
    if (length == 0)
        return false;
    return XGWide::Narrow(name, length) == expected;
}

long SendDocument(long msg, const char* path)
{
    XGFileSpecifier file;
    file = path;
    return XGDispatch::SendDispatch(msg, 0, &file);
}

// The (server, client) window pairs this process answered an initiate for
// and has not seen terminated. Anything else that sends an execute is in no
// conversation and is refused.
std::vector<std::pair<HWND, HWND>> gConversations;

bool InConversation(HWND window, HWND client)
{
    return std::find(gConversations.begin(), gConversations.end(), std::make_pair(window, client))
        != gConversations.end();
}

void EndConversation(HWND window, HWND client)
{
    gConversations.erase(std::remove(gConversations.begin(), gConversations.end(), std::make_pair(window, client)),
                         gConversations.end());
}

// Conversations whose windows are gone, so that a reused handle finds none.
void ForgetDeadConversations()
{
    gConversations.erase(std::remove_if(gConversations.begin(), gConversations.end(),
                                         [](const std::pair<HWND, HWND>& c) {
                                             return !IsWindow(c.first) || !IsWindow(c.second);
                                         }),
                         gConversations.end());
}

// The commands in UTF-8. A Unicode client (the shell's "open" among them)
// writes UTF-16. Bytes are taken as UTF-8 when they are well-formed UTF-8
// (ASCII always is) and otherwise as the system's ANSI code page, which is
// what an older ANSI client writes.
std::string ReadExecuteBlock(const char* data, size_t size)
{
    if (XGDDEParser::IsUtf16Block(data, size)) {
        const size_t units = size / sizeof(wchar_t);
        std::vector<wchar_t> wide(units);
        std::memcpy(wide.data(), data, units * sizeof(wchar_t));
        size_t length = 0;
        while (length < units && wide[length] != 0)
            ++length;
        return XGWide::Narrow(wide.data(), length);
    }
    const size_t length = size_t(std::find(data, data + size, '\0') - data);
    if (XGUtf8::IsValid(data, length))
        return std::string(data, length);
    const int bytes = length > 0x7FFFFFFF ? 0x7FFFFFFF : int(length);
    const int units = MultiByteToWideChar(CP_ACP, 0, data, bytes, nullptr, 0);
    if (units <= 0)
        return std::string();
    std::vector<wchar_t> wide(static_cast<size_t>(units));
    MultiByteToWideChar(CP_ACP, 0, data, bytes, wide.data(), units);
    return XGWide::Narrow(wide.data(), size_t(units));
}

// A packed parameter is the receiver's to free only once it was posted.
void PostAck(HWND client, HWND window, LPARAM ack)
{
    if (!PostMessageW(client, WM_DDE_ACK, reinterpret_cast<WPARAM>(window), ack))
        FreeDDElParam(WM_DDE_ACK, ack);
}

} // namespace

void XGDDEServer::DoDDECommand(const XGDDECommand& command, void* outcome)
{
    long answer = -1;
    if (XGDDEParser::EqualNoCase(command.name, "open")) {
        if (command.argCount >= 1)
            answer = SendDocument(kMsgOpenDocument, command.args[0]);
    } else if (XGDDEParser::EqualNoCase(command.name, "print")) {
        if (command.argCount >= 1)
            answer = SendDocument(kMsgPrintDocument, command.args[0]);
    } else if (XGDDEParser::EqualNoCase(command.name, "exit")) {
        answer = XGDispatch::SendDispatch(kMsgQuitApplication, 0, nullptr);
    }
    if (Outcome* counts = static_cast<Outcome*>(outcome)) {
        ++counts->commands;
        if (answer == -1)
            ++counts->unhandled;
    }
}

bool XGDDEServer::ParseDDEExecute(const char* text, size_t size)
{
    Outcome outcome = {0, 0};
    return XGDDEParser::ParseDDEExecute(text, size, DoDDECommand, &outcome) && outcome.commands > 0
        && outcome.unhandled == 0;
}

LRESULT XGDDEServer::ProcDDECommon(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const HWND client = reinterpret_cast<HWND>(wParam);
    switch (message) {
    case WM_DDE_INITIATE: {
        const ATOM app = LOWORD(lParam);
        const ATOM topic = HIWORD(lParam);
        if (app == 0 || !AtomNameEquals(app, _GDDEAppName))
            return 0;
        if (topic != 0 && !AtomNameEquals(topic, _GDDETopicName))
            return 0;
        ForgetDeadConversations();
        if (!InConversation(window, client))
            gConversations.emplace_back(window, client);
        const ATOM replyApp = GlobalAddAtomW(XGWide(_GDDEAppName));
        const ATOM replyTopic = GlobalAddAtomW(XGWide(_GDDETopicName));
        SendMessageW(client, WM_DDE_ACK, reinterpret_cast<WPARAM>(window), MAKELPARAM(replyApp, replyTopic));
        GlobalDeleteAtom(replyApp);
        GlobalDeleteAtom(replyTopic);
        return 0;
    }
    case WM_DDE_TERMINATE:
        EndConversation(window, client);
        PostMessageW(client, WM_DDE_TERMINATE, reinterpret_cast<WPARAM>(window), 0);
        return 0;
    case WM_DDE_EXECUTE: {
        // The block comes from another process: it is read only up to its
        // own size, whether or not the text inside is terminated.
        const HGLOBAL commands = reinterpret_cast<HGLOBAL>(lParam);
        std::string text;
        if (const char* data = commands ? static_cast<const char*>(GlobalLock(commands)) : nullptr) {
            text = ReadExecuteBlock(data, GlobalSize(commands));
            GlobalUnlock(commands);
        }
        // The acknowledgement hands the block back: an empty one as well,
        // or the client waits for it until it times out.
        const auto commandsBits = reinterpret_cast<UINT_PTR>(commands);
        bool done = false;
        try {
            if (InConversation(window, client))
                done = ParseDDEExecute(text.data(), text.size());
        } catch (...) {
            PostAck(client, window, PackDDElParam(WM_DDE_ACK, 0, commandsBits));
            throw;
        }
        PostAck(client, window, PackDDElParam(WM_DDE_ACK, done ? kAckPositive : 0, commandsBits));
        return 0;
    }
    case WM_DDE_ADVISE:
    case WM_DDE_UNADVISE:
    case WM_DDE_DATA:
    case WM_DDE_REQUEST:
    case WM_DDE_POKE: {
        // A negative acknowledgement leaves the data or options with the sender.
        UINT_PTR low = 0;
        UINT_PTR item = 0;
        UnpackDDElParam(message, lParam, &low, &item);
        PostAck(client, window, ReuseDDElParam(lParam, message, WM_DDE_ACK, 0, item));
        return 0;
    }
    default:
        return -1;
    }
}
