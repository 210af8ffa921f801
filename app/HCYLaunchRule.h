#pragma once

// How one installer is handed to the shell, decided from its full path and the
// launcher's folder alone, with no system call: whether it may be started and
// with which parameters.
//
// The shell completes a name without an extension to a program of the same
// name (Setup to Setup.exe), so such a name is never started: the file checked
// must be the file started. A batch file (.bat, .cmd) is run by cmd, which
// reads its command line as commands: a folder holding & would end the
// installer's command and start another. The folder is then handed over in
// double quotes, inside which cmd treats & | < > ^ ( ) and blanks as text; but
// cmd expands % (and ! where delayed expansion is on) even there and has no
// escape for them inside quotes, so a batch file is refused when its own path
// or the folder holds one of them, a double quote or a control character.
class HCYLaunchRule {
public:
    enum Verdict {
        kStart,          // start the path with GetParameters()
        kNoExtension,    // the name has no extension: it names no program
        kUnsafeForBatch, // cmd cannot be handed this batch file's path or folder
    };

    // construction
    // path: the installer's full path. folder: the launcher's folder as the
    // installer is given it, ending in "\$ " ("$ " for a drive root), or null
    // for an installer that gets no parameters.
    HCYLaunchRule(const char* path, const char* folder);

    // operations
    Verdict GetVerdict() const { return fVerdict; }
    // The parameters for the shell, or null for none; null unless kStart.
    const char* GetParameters() const;
    // The character that makes a batch file unsafe to start, for kUnsafeForBatch.
    char GetUnsafeCharacter() const { return fUnsafe; }

    // The last part of the path, with the trailing dots and blanks that
    // Windows drops from a file name left out, has a dot followed by more.
    static bool HasExtension(const char* path);
    // The path names a .bat or .cmd file, in any case.
    static bool IsBatchFile(const char* path);

    // "-a -a" and the longest folder (255 characters, three UTF-8 bytes each
    // at most, and "\$ "), quoted.
    static constexpr int kParameterRoom = 784;

private:
    Verdict fVerdict;
    bool fHasParameters;
    char fUnsafe;
    char fParameters[kParameterRoom];
};
