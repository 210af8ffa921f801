// A small DDE server in every framework window procedure that answers
// "open", "print" and "exit" requests for the service and topic names the
// application sets (none by default, so no conversation is answered).
#pragma once

#include <windows.h>

struct XGDDECommand;

extern char _GDDEAppName[256];
extern char _GDDETopicName[256];

class XGDDEServer {
public:
    XGDDEServer() = delete;

    // -1 when the message is not a DDE message.
    static LRESULT ProcDDECommon(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // Runs every command of an execute string of at most size bytes.
    static void ParseDDEExecute(const char* text, size_t size);
    static void DoDDECommand(const XGDDECommand& command, void* context);
};
