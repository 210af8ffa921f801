#include "NTDocWindow.h"

#include "NTAlert.h"
#include "NTCommands.h"
#include "NTDiskFile.h"
#include "NTFileDialog.h"
#include "NTTextView.h"
#include "dispatch/XGMenuStatus.h"
#include "dispatch/XGMessages.h"
#include "forms/XGWindowFactory.h"
#include "foundation/XGError.h"
#include "foundation/XGWide.h"

#include <exception>

#include <windows.h>

int NTDocWindow::gUntitled = 0;

// long Handler(long arg, void* data); -1 passes the message on.
XG_BEGIN_DISPATCH(NTDocWindow, XGWindow)
    XG_ON(kMsgGetMenuStatus, DoGetMenuStatus)
    XG_ON(kMsgMenuCommand, DoMenuCommand)
    XG_ON(NTTextView::kChanged, DoTextChanged)
XG_END_DISPATCH()

NTDocWindow::NTDocWindow(XGArgStream& stream, XGForm* form)
    : XGWindow(stream, form), fChanged(false), fDiscard(false), fBusy(false), fLineEnd(NTTextFile::kCRLF),
      fEncoding(NTEncoding::kUtf8)
{
}

NTDocWindow::~NTDocWindow() = default;

NTTextView* NTDocWindow::GetTextView()
{
    return dynamic_cast<NTTextView*>(FindViewByID(kTextID));
}

NTDocWindow* NTDocWindow::New()
{
    auto* window = dynamic_cast<NTDocWindow*>(XGWindowFactory::CreateFromResource(kWindowID, nullptr));
    if (!window)
        return nullptr;
    window->fName = "Untitled " + std::to_string(++gUntitled);
    window->UpdateTitle();
    if (NTTextView* text = window->GetTextView())
        text->SetFocus();
    return window;
}

namespace {

// A path as the file system compares names: each UTF-16 unit upper-cased by
// the system's own table, for every script, none by the code page's.
std::wstring FoldedPath(const std::string& path)
{
    XGWide wide(path);
    std::wstring folded = wide.String();
    if (!folded.empty())
        CharUpperBuffW(&folded[0], DWORD(folded.size()));
    return folded;
}

}  // namespace

NTDocWindow* NTDocWindow::Find(const char* path)
{
    const std::wstring wanted = FoldedPath(path);
    for (XGWindow* window = XGWindow::gList; window; window = window->GetNext()) {
        auto* document = dynamic_cast<NTDocWindow*>(window);
        if (document && !document->fPath.empty() && FoldedPath(document->fPath) == wanted)
            return document;
    }
    return nullptr;
}

NTDocWindow* NTDocWindow::Open(const char* path)
{
    if (NTDocWindow* open = Find(path)) {
        open->ShowWindow();
        open->SelectWindow();
        return open;
    }
    const char* name = NTDiskFile::FileName(path);
    XGHandle bytes(0, 0);
    NTTextFile::LineEnd lineEnd = NTTextFile::kCRLF;
    NTEncoding::Kind encoding = NTEncoding::kUtf8;
    std::string cause;
    if (!NTDiskFile::ReadText(path, bytes, lineEnd, encoding, cause)) {
        NTAlert::Problem("Cannot Open", ("KEBO Notes cannot open " + std::string(name) + ".").c_str(),
                         (cause + ".").c_str());
        return nullptr;
    }
    auto* window = dynamic_cast<NTDocWindow*>(XGWindowFactory::CreateFromResource(kWindowID, nullptr));
    if (!window)
        return nullptr;
    window->fPath = path;
    window->fName = name;
    window->fLineEnd = lineEnd;
    window->fEncoding = encoding;
    if (NTTextView* text = window->GetTextView()) {
        try {
            text->LoadText(bytes);
        } catch (const std::exception&) {
            cause = "There is not enough memory to hold it";
        } catch (const XGError&) {
            cause = "There is not enough memory to hold it";
        }
        if (!cause.empty()) {
            delete window;
            NTAlert::Problem("Cannot Open", ("KEBO Notes cannot open " + std::string(name) + ".").c_str(),
                             (cause + ".").c_str());
            return nullptr;
        }
        text->SetFocus();
    }
    window->UpdateTitle();
    return window;
}

void NTDocWindow::SetChanged(bool changed)
{
    if (changed == fChanged)
        return;
    fChanged = changed;
    UpdateTitle();
}

std::string NTDocWindow::GetTitleText() const
{
    return fName + " (" + NTEncoding::Name(fEncoding) + ")" + (fChanged ? kChangeMark : "");
}

void NTDocWindow::UpdateTitle()
{
    SetTitle(GetTitleText().c_str());
}

bool NTDocWindow::Save()
{
    if (fPath.empty())
        return SaveAs();
    return SaveTo(fPath);
}

bool NTDocWindow::SaveAs()
{
    BusyScope busy(this);
    std::string path = NTFileDialog::AskSave(fPath.empty() ? fName.c_str() : fPath.c_str());
    if (path.empty())
        return false;
    // Two windows on one file would each overwrite the other's saves.
    NTDocWindow* other = Find(path.c_str());
    if (other && other != this) {
        NTAlert::Problem("Cannot Save",
                         ("KEBO Notes cannot save " + fName + " as " + path + ".").c_str(),
                         "That file is open in another window. Close that window first, or save under "
                         "another name.");
        return false;
    }
    return SaveTo(path);
}

bool NTDocWindow::SaveTo(const std::string& path)
{
    NTTextView* text = GetTextView();
    if (!text)
        return false;
    std::string engineText = text->GetText();
    std::string bytes, cause;
    NTEncoding::Kind encoding = fEncoding;
    NTDiskFile::Encoded encoded = NTDiskFile::EncodeText(engineText, fLineEnd, encoding, bytes, cause);
    if (encoded == NTDiskFile::kNotHeld) {
        {
            BusyScope busy(this);
            if (NTAlert::AskEncoding(fName.c_str(), NTEncoding::Name(encoding)) != NTAlert::kSave)
                return false;
        }
        encoding = NTEncoding::kUtf8;
        encoded = NTDiskFile::EncodeText(engineText, fLineEnd, encoding, bytes, cause);
    }
    if (encoded != NTDiskFile::kEncoded || !NTDiskFile::Write(path.c_str(), bytes, cause)) {
        BusyScope busy(this);
        NTAlert::Problem("Cannot Save",
                         ("KEBO Notes cannot save " + std::string(NTDiskFile::FileName(path.c_str())) +
                          " (" + path + ").").c_str(),
                         (cause + ". The document stays open with its changes.").c_str());
        return false;
    }
    fPath = path;
    fEncoding = encoding;
    fName = NTDiskFile::FileName(path.c_str());
    fChanged = false;
    UpdateTitle();
    return true;
}

bool NTDocWindow::AskToClose()
{
    if (!fChanged || fDiscard)
        return true;
    BusyScope busy(this);
    switch (NTAlert::AskSave(fName.c_str())) {
    case NTAlert::kSave:
        return Save();
    case NTAlert::kDontSave:
        return true;
    default:
        return false;
    }
}

bool NTDocWindow::CloseWindow()
{
    // A close that comes while this document's question or Save As is up
    // (from another program, or a key that reached the window) would delete
    // the window under them: the one in progress decides.
    if (fBusy)
        return false;
    return AskToClose() && XGWindow::CloseWindow();
}

bool NTDocWindow::MayQuit()
{
    bool agreed = true;
    for (XGWindow* window = XGWindow::gList; window && agreed; window = window->GetNext()) {
        auto* document = dynamic_cast<NTDocWindow*>(window);
        if (!document || !document->fChanged)
            continue;
        // The one asked about comes to the front, so the user sees it.
        document->SelectWindow();
        agreed = document->AskToClose();
        document->fDiscard = agreed && document->fChanged;
    }
    if (!agreed)
        KeepChanges();
    return agreed;
}

void NTDocWindow::KeepChanges()
{
    for (XGWindow* window = XGWindow::gList; window; window = window->GetNext()) {
        if (auto* document = dynamic_cast<NTDocWindow*>(window))
            document->fDiscard = false;
    }
}

long NTDocWindow::DoGetMenuStatus(long arg, void* data)
{
    XGMenuStatus* status = static_cast<XGMenuStatus*>(data);
    if (!status)
        return -1;
    switch (arg) {
    case kCmdSave:
        status->enabled = fChanged;
        return 0;
    case kCmdSaveAs:
        status->enabled = true;
        return 0;
    case kCmdWordWrap: {
        NTTextView* text = GetTextView();
        status->enabled = text != nullptr;
        status->checked = text && text->GetWordWrap();
        return 0;
    }
    default:
        return -1;
    }
}

long NTDocWindow::DoMenuCommand(long arg, void*)
{
    switch (arg) {
    case kCmdSave:
        Save();
        return 0;
    case kCmdSaveAs:
        SaveAs();
        return 0;
    case kCmdWordWrap:
        if (NTTextView* text = GetTextView())
            text->SetWordWrap(!text->GetWordWrap());
        return 0;
    default:
        return -1;
    }
}

long NTDocWindow::DoTextChanged(long, void*)
{
    SetChanged(true);
    return 0;
}
