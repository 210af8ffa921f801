// Notes' text view with a real window: what it lets into a document, and
// what opening a large file costs.
#include <gtest/gtest.h>
#include <windows.h>
#include <psapi.h>

#include <string>
#include <vector>

#include "NTCommands.h"
#include "NTDiskFile.h"
#include "NTTextView.h"
#include "ViewsTestHost.h"
#include "controls/XGEditCore.h"
#include "records/XGArgStream.h"
#include "../support/TestRecord.h"

using viewstest::Host;

namespace {

using testsupport::Record;

class TextView : public testing::Test {
protected:
    void SetUp() override
    {
        fRoot = viewstest::MakeRoot(Host::Shared());
        Record r;
        r.Int('edit').Int(1).Int(0).Bool(true).Bool(true).Bool(false).Bool(false);
        r.Int(10).Int(10).Int(210).Int(110).Bool(true).Bool(true).Bool(true);
        r.Str("").Int(2).Int(0).Int(0).Bool(false).Bool(false);
        r.Bool(false).Bool(false).Int(0).Bool(true);
        XGArgStream stream = r.Stream();
        fView = new NTTextView(fRoot, stream);
    }
    void TearDown() override { delete fRoot; }

    std::string Text() const { return fView->GetText(); }
    void Type(const std::string& keys)
    {
        for (char c : keys)
            fView->DoDispatch('keye', (unsigned char)c, nullptr, false);
    }

    XGView* fRoot = nullptr;
    NTTextView* fView = nullptr;
};

// The clipboard's text block as another program may leave it: its bytes
// as given, a zero byte among them.
void PutClipboard(const std::string& bytes)
{
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size() + 1);
    char* at = static_cast<char*>(GlobalLock(block));
    memcpy(at, bytes.data(), bytes.size());
    at[bytes.size()] = 0;
    GlobalUnlock(block);
    SetClipboardData(CF_TEXT, block);
    CloseClipboard();
}

TEST_F(TextView, TypedZeroByteIsRefusedAndChangesNothing)
{
    Type("ab");
    Type(std::string("\0", 1));
    Type("c");
    EXPECT_EQ(Text(), "abc");
    // A refused key is no change: there is nothing to undo beyond the typing.
    EXPECT_TRUE(fView->CanUndo());
    fView->Undo();
    EXPECT_EQ(Text(), "ab");
}

TEST_F(TextView, PastedTextStopsAtAZeroByte)
{
    Type("<>");
    fView->SetSelect(1, 1);
    PutClipboard(std::string("xy\0z", 4));
    fView->DoDispatch('menu', kCmdPaste, nullptr, false);
    EXPECT_EQ(Text(), "<xy>");
    EXPECT_EQ(std::string::npos, Text().find('\0'));
}

SIZE_T PeakWorkingSet()
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    EXPECT_TRUE(GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters));
    return counters.PeakWorkingSetSize;
}

SIZE_T WorkingSet()
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    EXPECT_TRUE(GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters));
    return counters.WorkingSetSize;
}

// A file of 64 MB in lines of 63 characters and CR LF, written a megabyte
// at a time so that making it costs little memory.
std::string MakeLargeFile(size_t* size)
{
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    std::string path = std::string(folder) + "notes-large-" + std::to_string(GetCurrentProcessId()) + ".txt";
    std::string line(63, 'x');
    line += "\r\n";
    std::string chunk;
    while (chunk.size() + line.size() <= (1u << 20))
        chunk += line;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    EXPECT_NE(INVALID_HANDLE_VALUE, file);
    *size = 0;
    for (int k = 0; k < 64; ++k) {
        DWORD put = 0;
        WriteFile(file, chunk.data(), DWORD(chunk.size()), &put, nullptr);
        *size += put;
    }
    CloseHandle(file);
    return path;
}

// The bytes are read once, into the block the view then keeps: opening
// costs the file's size, not copies of it.
TEST_F(TextView, OpeningALargeFileCostsAtMostTwiceItsSize)
{
    size_t size = 0;
    std::string path = MakeLargeFile(&size);
    ASSERT_GT(size, size_t(60) << 20);
    SIZE_T before = WorkingSet();
    SIZE_T peakBefore = PeakWorkingSet();
    {
        XGHandle text(0, 0);
        NTTextFile::LineEnd lineEnd = NTTextFile::kLF;
        NTEncoding::Kind encoding = NTEncoding::kAnsi;
        std::string cause;
        ASSERT_TRUE(NTDiskFile::ReadText(path.c_str(), text, lineEnd, encoding, cause)) << cause;
        EXPECT_EQ(lineEnd, NTTextFile::kCRLF);
        EXPECT_EQ(encoding, NTEncoding::kUtf8);
        fView->LoadText(text);
    }
    SIZE_T peak = PeakWorkingSet();
    DeleteFileA(path.c_str());
    EXPECT_EQ(fView->GetTextHandle().GetSize(), size / 65 * 64);
    EXPECT_EQ(fView->GetEditCore()->GetNumLines(), long(size / 65 + 1));
    // The run's earlier peak must lie well below the file's size, or the
    // open's own peak would hide under it.
    ASSERT_LT(peakBefore - before, size / 4);
    EXPECT_LE(peak - before, 2 * size) << "peak " << (peak >> 20) << " MB, before " << (before >> 20)
                                      << " MB, file " << (size >> 20) << " MB";
}

}  // namespace
