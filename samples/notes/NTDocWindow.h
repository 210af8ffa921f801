// A document window ('ndoc'): one text file in a text view inside a scroll
// view, titled with the file's name, its encoding and, while it has changes
// that are not on disk, a change mark. It saves safely, and asks before it closes with
// changes.
#pragma once

#include <string>

#include "NTEncoding.h"
#include "NTTextFile.h"
#include "views/XGWindow.h"

class NTTextView;

class NTDocWindow : public XGWindow {
public:
    // construction
    NTDocWindow(XGArgStream& stream, XGForm* form);
    ~NTDocWindow() override;

    // The tree every document window is built from (VRES).
    static constexpr short kWindowID = 130;
    // The text view's ID in that tree.
    static constexpr short kTextID = 1;
    // Put after the name in the title while the document is changed.
    static constexpr const char* kChangeMark = " *";

    // A new, untitled document.
    static NTDocWindow* New();
    // Opens the file at a full path, or brings its window to the front when
    // it is open already. A file that cannot be read or that the text engine
    // cannot hold is refused with an alert that says why; nothing else
    // changes then. Null when refused.
    static NTDocWindow* Open(const char* path);
    // The window of a file, when one is open.
    static NTDocWindow* Find(const char* path);

    // accessors
    const std::string& GetPath() const { return fPath; }
    NTEncoding::Kind GetEncoding() const { return fEncoding; }
    // "name (encoding)", and the change mark while changed: the window's
    // title, whole however long the name.
    std::string GetTitleText() const;
    bool IsChanged() const { return fChanged; }
    NTTextView* GetTextView();

    // operations
    // Saves to the document's file, asking for one when it has none. False
    // when nothing was saved (cancelled, or failed with an alert). A text
    // that the file's encoding cannot hold is saved in UTF-8 once the user
    // agrees, never with characters replaced.
    bool Save();
    bool SaveAs();
    bool SaveTo(const std::string& path);

    // Asks about the changes of every changed document before the program
    // quits: true when each was saved or its changes are to be dropped, so
    // that the windows may close without asking again. After a Cancel, or a
    // save that failed, nothing is closed and every document stays changed.
    static bool MayQuit();
    // After a quit, whatever its end: the documents still open ask again
    // before they close.
    static void KeepChanges();

    // overridden operations of XGWindow
    XG_DECLARE_DISPATCH(NTDocWindow)
    bool CloseWindow() override;

    // message handlers
    long DoGetMenuStatus(long arg, void* data); // 'stat'
    long DoMenuCommand(long arg, void* data);   // 'menu'
    long DoTextChanged(long arg, void* data);   // 'nchg'

private:
    // Marks the document busy for the life of a question, a Save As or an
    // alert about it; they nest (a question's Save runs a Save As).
    class BusyScope {
    public:
        explicit BusyScope(NTDocWindow* window) : fWindow(window), fWasBusy(window->fBusy)
        {
            fWindow->fBusy = true;
        }
        ~BusyScope() { fWindow->fBusy = fWasBusy; }
        BusyScope(const BusyScope&) = delete;
        BusyScope& operator=(const BusyScope&) = delete;
    private:
        NTDocWindow* fWindow;
        bool fWasBusy;
    };

    void SetChanged(bool changed);
    void UpdateTitle();
    // The question before a changed document goes: true when it may go.
    bool AskToClose();

    std::string fPath;      // full path; empty while untitled
    std::string fName;      // what the title shows
    bool fChanged;
    bool fDiscard;          // the user chose Don't Save while quitting
    bool fBusy;             // a question, a Save As or an alert about it is up
    NTTextFile::LineEnd fLineEnd;
    NTEncoding::Kind fEncoding;     // what the file is saved in

    static int gUntitled;
};
