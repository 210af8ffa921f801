// The system's own cluster breaks for the text engine: Uniscribe's character
// stops (ScriptItemize, then ScriptBreak on each item) of a window of UTF-8
// text, mapped back to byte offsets. The application installs it as the
// breaker of XGTextClusters at start-up, so the caret steps over what
// Windows takes for one character; without it (or when Uniscribe fails) the
// framework's own rule answers.
#pragma once

#include <cstddef>

class XGScriptBreaks {
public:
    static void Install();
    // An XGTextClusters breaker.
    static bool Breaks(const char* text, size_t size, bool* starts);
};
