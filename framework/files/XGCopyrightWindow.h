#pragma once
#include <windows.h>

// The splash (copyright) window: bitmap 128 of the program with its version
// string, centred on the screen, top-most. Registers its class on first use,
// creates, shows and updates the window. Null when bitmap 128 is missing or
// the window cannot be made.
HWND XGCreateCopyrightWindow();

enum { kCopyrightBitmap = 128 };
