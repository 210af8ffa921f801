#pragma once

// Milliseconds. The intervals are the framework's own constants, not the
// user's system settings.
unsigned long XGGetTime();          // since system start
unsigned long XGGetDoubleClick();   // 250
unsigned long XGGetCursorBlink();   // 500
unsigned long XGGetSecond();        // 1000
