// A second start of the program while one runs: the files named on its
// command line go to the running instance through the framework's DDE "open"
// request, and the running instance comes to the front.
#pragma once

#include <string>

class NTHandOff {
public:
    NTHandOff() = delete;

    // The DDE service and topic the program answers to.
    static constexpr const char* kService = "KEBONotes";
    static constexpr const char* kTopic = "System";

    enum Outcome {
        kNoInstance,    // nobody answered: this start runs on its own
        kHandedOff,     // the running instance opened every file
        kNotOpened      // it refused one, or did not answer in time
    };

    // Makes the framework's DDE server answer to the names above.
    static void Serve();
    // Hands every file of the command line (its own arguments' syntax:
    // quotes around names with blanks) to a running instance. When it did
    // not open one, the names it did not open and why are added to names
    // and cause.
    static Outcome ToRunningInstance(const char* commandLine, std::string& names, std::string& cause);
};
