#include "dispatch/XGTime.h"
#include <windows.h>

unsigned long XGGetTime()
{
    return GetTickCount();
}

unsigned long XGGetDoubleClick()
{
    return 250;
}

unsigned long XGGetCursorBlink()
{
    return 500;
}

unsigned long XGGetSecond()
{
    return 1000;
}
