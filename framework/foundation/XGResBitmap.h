#pragma once
#include <windows.h>
#include <cstdint>

// Draws the bitmap resource of that number from the application's module, unscaled, with
// its top-left corner at (x, y). A missing or unreadable resource draws nothing.
void DrawResBitmap(HDC dc, int16_t resID, int16_t x, int16_t y);
