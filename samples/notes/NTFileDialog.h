// The system's common Open and Save As dialogs for text files.
#pragma once

#include <string>

class NTFileDialog {
public:
    NTFileDialog() = delete;

    // The full path chosen; empty when the user cancelled.
    static std::string AskOpen();
    static std::string AskSave(const char* current);
};
