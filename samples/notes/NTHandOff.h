// A second start of the program while one runs: the files named on its
// command line go to the running instance through the framework's DDE "open"
// request, and the running instance comes to the front.
#pragma once

class NTHandOff {
public:
    NTHandOff() = delete;

    // The DDE service and topic the program answers to.
    static constexpr const char* kService = "KEBONotes";
    static constexpr const char* kTopic = "System";

    // Makes the framework's DDE server answer to the names above.
    static void Serve();
    // True when an instance answered and was handed every file of the
    // command line (its own arguments' syntax: quotes around names with
    // blanks); this start then ends.
    static bool ToRunningInstance(const char* commandLine);
};
