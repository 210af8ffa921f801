// The document's text: the framework's editable text view with one level of
// undo (the engine has none) and a notice to its parents after every change
// ('nchg'), so that the document knows it is changed.
#pragma once

#include <string>

#include "controls/XGEditText.h"

class NTTextView : public XGEditText {
public:
    // construction
    NTTextView(XGView* parent, XGArgStream& stream);
    ~NTTextView() override;

    // operations
    // Replaces the text as a file read does: no undo, caret at the start.
    void LoadText(const std::string& text);
    // The same with the handle's bytes taken over, not copied; the handle is
    // left empty. When memory runs out on the way (the layout), the view is
    // left empty and the error passes on.
    void LoadText(XGHandle& text);
    std::string GetText() const;
    bool CanUndo() const { return fHasUndo; }
    // Puts back the text and selection from before the last change; undoing
    // again puts the change back.
    void Undo();
    bool GetWordWrap() const { return fWordWrap; }
    void SetWordWrap(bool wrap);

    // overridden operations of XGEditText
    XG_DECLARE_DISPATCH(NTTextView)
    // A zero byte is refused: a file holding one is not a text file that
    // Notes reads, so a document must never get one.
    bool CanInsertKey(char c) override;
    bool ValidateText(const char* text) override;

    // message handlers; each wraps the framework's own
    long DoKey(long arg, void* data);           // 'keye'
    long DoGetMenuStatus(long arg, void* data); // 'stat'
    long DoMenuCommand(long arg, void* data);   // 'menu'

    // The change notice sent up after every change of the text.
    static constexpr long kChanged = 'nchg';

private:
    struct State {
        std::string text;
        long start = 0;
        long end = 0;
    };
    State Capture() const;
    // Runs one operation of the framework's view; when it changed the text,
    // the state from before becomes the undo and the parents hear of it.
    template <class Operation>
    long Edit(Operation operation);
    void Changed();

    State fUndo;
    bool fHasUndo;
    bool fChanging;     // set by ValidateText during an operation that changed the text
    bool fWordWrap;
};
