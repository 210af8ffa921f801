#pragma once

// The alerts' texts carry placeholders "^0" to "^3" for the caller's strings.
class XGDialogText {
public:
    enum { kBufferSize = 256 };
    // Replaces the placeholders in `text` (a buffer of kBufferSize bytes) in
    // place; the result is cut at kBufferSize - 1 characters.
    static void ModifyText(char* text, const char* const* strings);
};
