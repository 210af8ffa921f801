// The sample's own alerts: dialogs described by VRES trees in its resources,
// run modally with "^0" to "^3" in their texts and titles filled in.
#pragma once

class NTAlert {
public:
    NTAlert() = delete;

    // The trees (VRES resource numbers).
    enum : short { kAskSave = 131, kProblem = 132, kAbout = 133, kAskEncoding = 135 };
    // The buttons of the "Save Changes" question.
    enum : long { kSave = 1, kDontSave = 2, kCancel = 3 };

    // Answers the view ID of the button that ended the dialog, 0 when it
    // was closed otherwise or the tree is missing.
    static long Run(short resID, const char* s0, const char* s1 = nullptr, const char* s2 = nullptr,
                    const char* s3 = nullptr);
    // "Save changes to NAME?" with Save, Don't Save and Cancel.
    static long AskSave(const char* name);
    // "NAME has characters that its encoding, ENCODING, cannot hold." with
    // Save as UTF-8 (kSave) and Cancel.
    static long AskEncoding(const char* name, const char* encoding);
    // What went wrong (one line naming the file), why, and the window title.
    static void Problem(const char* title, const char* what, const char* cause);
};
