// A small DDE server in every framework window procedure that answers
// "open", "print" and "exit" requests for the service and topic names the
// application sets (none by default, so no conversation is answered).
// An execute is carried out only within a conversation this window answered.
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

    // Runs every command of an execute string of at most size bytes. True
    // when the string held at least one command, all of them parsed and
    // somebody handled each; that is the acknowledgement's answer.
    static bool ParseDDEExecute(const char* text, size_t size);
    // What became of the commands of one string; the context of DoDDECommand.
    struct Outcome {
        int commands;
        int unhandled;
    };
    static void DoDDECommand(const XGDDECommand& command, void* outcome);
};
