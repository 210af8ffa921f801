#pragma once

// Copies the "FileVersion" string of the program's version resource into
// buffer: at most size - 1 characters and a terminator. False, with the
// buffer untouched, when the resource or the value is missing.
bool XGGetAppVersion(char* buffer, short size);
