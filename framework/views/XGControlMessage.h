// The record handed to a native control's view with 'wint': the Windows
// message as the framework window received it. Handle and parameters keep
// their native widths so the 64-bit build loses nothing.
#pragma once

#include <windows.h>

struct XGControlMessage {
    HWND window;        // the framework window that received the message
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
