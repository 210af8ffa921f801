#include "XGDDEServer.h"

#include <dde.h>

#include <cstring>
#include <vector>

#include "XGDDEParser.h"
#include "XGDispatch.h"
#include "XGFileSpecifier.h"

char _GDDEAppName[256] = "";
char _GDDETopicName[256] = "";

namespace {

enum : unsigned short { kAckPositive = 0x8000 };

// False when the atom has no readable name, so that a broken atom never
// matches an empty service name.
bool AtomNameEquals(ATOM atom, const char* expected)
{
    char name[257] = "";
    if (GlobalGetAtomNameA(atom, name, sizeof name) == 0)
        return false;
    return std::strcmp(name, expected) == 0;
}

void SendDocument(long msg, const char* path)
{
    XGFileSpecifier file;
    file = path;
    XGDispatch::SendDispatch(msg, 0, &file);
}

} // namespace

void XGDDEServer::DoDDECommand(const XGDDECommand& command, void*)
{
    if (XGDDEParser::EqualNoCase(command.name, "open")) {
        if (command.argCount >= 1)
            SendDocument('odoc', command.args[0]);
    } else if (XGDDEParser::EqualNoCase(command.name, "print")) {
        if (command.argCount >= 1)
            SendDocument('pdoc', command.args[0]);
    } else if (XGDDEParser::EqualNoCase(command.name, "exit")) {
        XGDispatch::SendDispatch('qapp', 0, nullptr);
    }
}

void XGDDEServer::ParseDDEExecute(const char* text, size_t size)
{
    XGDDEParser::ParseDDEExecute(text, size, DoDDECommand, nullptr);
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
        const ATOM replyApp = GlobalAddAtomA(_GDDEAppName);
        const ATOM replyTopic = GlobalAddAtomA(_GDDETopicName);
        SendMessageA(client, WM_DDE_ACK, reinterpret_cast<WPARAM>(window), MAKELPARAM(replyApp, replyTopic));
        GlobalDeleteAtom(replyApp);
        GlobalDeleteAtom(replyTopic);
        return 0;
    }
    case WM_DDE_TERMINATE:
        PostMessageA(client, WM_DDE_TERMINATE, reinterpret_cast<WPARAM>(window), 0);
        return 0;
    case WM_DDE_EXECUTE: {
        // The block comes from another process: it is read only up to its
        // own size, whether or not the text inside is terminated.
        const HGLOBAL commands = reinterpret_cast<HGLOBAL>(lParam);
        std::vector<char> text;
        if (const char* data = commands ? static_cast<const char*>(GlobalLock(commands)) : nullptr) {
            text.assign(data, data + GlobalSize(commands));
            GlobalUnlock(commands);
        }
        const LPARAM ack = PackDDElParam(WM_DDE_ACK, kAckPositive, reinterpret_cast<UINT_PTR>(commands));
        try {
            ParseDDEExecute(text.data(), text.size());
        } catch (...) {
            PostMessageA(client, WM_DDE_ACK, reinterpret_cast<WPARAM>(window), ack);
            throw;
        }
        PostMessageA(client, WM_DDE_ACK, reinterpret_cast<WPARAM>(window), ack);
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
        const LPARAM reply = ReuseDDElParam(lParam, message, WM_DDE_ACK, 0, item);
        PostMessageA(client, WM_DDE_ACK, reinterpret_cast<WPARAM>(window), reply);
        return 0;
    }
    default:
        return -1;
    }
}
