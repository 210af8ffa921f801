#include <gtest/gtest.h>

#include <string>
#include <vector>
#include <windows.h>

#include "NTCodePage.h"
#include "NTDiskFile.h"
#include "foundation/XGWide.h"

namespace {

// A folder of its own under the system's temporary folder, removed with
// whatever the test left in it.
class DiskFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        char base[MAX_PATH];
        GetTempPathA(sizeof base, base);
        fFolder = std::string(base) + "notes-disk-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(fFolder.c_str(), nullptr);
    }
    void TearDown() override
    {
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW(XGWide(fFolder + "\\*"), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                XGWide path(fFolder + "\\" + XGWide::Narrow(found.cFileName));
                SetFileAttributesW(path, FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(path);
            } while (FindNextFileW(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(fFolder.c_str());
    }

    std::string Path(const char* name) const { return fFolder + "\\" + name; }
    void Put(const char* name, const std::string& bytes) const
    {
        HANDLE file = CreateFileW(XGWide(Path(name)), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, file);
        DWORD put = 0;
        WriteFile(file, bytes.data(), DWORD(bytes.size()), &put, nullptr);
        CloseHandle(file);
    }
    std::string Get(const char* name) const
    {
        XGHandle bytes(0, 0);
        std::string cause;
        EXPECT_TRUE(NTDiskFile::Read(Path(name).c_str(), bytes, cause)) << cause;
        return std::string(*bytes, bytes.GetSize());
    }
    // The names in the folder other than the ones given.
    int CountFiles() const
    {
        int count = 0;
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW(XGWide(fFolder + "\\*"), &found);
        if (search == INVALID_HANDLE_VALUE)
            return 0;
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                ++count;
        } while (FindNextFileW(search, &found));
        FindClose(search);
        return count;
    }

    std::string fFolder;
};

TEST_F(DiskFile, SavingReplacesTheFileWholeAndLeavesNothingBeside)
{
    Put("a.txt", "an old text that is longer than the new one\r\n");
    std::string cause;
    ASSERT_TRUE(NTDiskFile::Write(Path("a.txt").c_str(), "new\r\n", cause)) << cause;
    EXPECT_EQ("new\r\n", Get("a.txt"));
    ASSERT_TRUE(NTDiskFile::Write(Path("b.txt").c_str(), "", cause)) << cause;
    EXPECT_EQ("", Get("b.txt"));
    EXPECT_EQ(2, CountFiles());
}

// A save that cannot be done leaves the old file as it was, no temporary
// file behind, and says why.
TEST_F(DiskFile, AFailedSaveKeepsTheOldFileAndNamesTheCause)
{
    Put("ro.txt", "protected\r\n");
    SetFileAttributesA(Path("ro.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    std::string cause;
    EXPECT_FALSE(NTDiskFile::Write(Path("ro.txt").c_str(), "lost?\r\n", cause));
    EXPECT_NE(std::string::npos, cause.find("read-only")) << cause;
    EXPECT_EQ("protected\r\n", Get("ro.txt"));
    EXPECT_EQ(1, CountFiles());

    std::string gone = fFolder + "\\no such folder\\c.txt";
    cause.clear();
    EXPECT_FALSE(NTDiskFile::Write(gone.c_str(), "text", cause));
    EXPECT_NE(std::string::npos, cause.find("no such folder")) << cause;
    EXPECT_EQ(1, CountFiles());

    CreateDirectoryA(Path("folder").c_str(), nullptr);
    cause.clear();
    EXPECT_FALSE(NTDiskFile::Write(Path("folder").c_str(), "text", cause));
    EXPECT_FALSE(cause.empty());
    RemoveDirectoryA(Path("folder").c_str());
    EXPECT_EQ(1, CountFiles());
}

// Only a save's own temporaries that nobody has touched for a while go: a
// name of another shape, a recent one (a save in progress elsewhere), a
// read-only file and a folder all stay.
TEST_F(DiskFile, ASaveRemovesOnlyStaleTemporariesOfItsOwnNaming)
{
    struct Case {
        const char* name;
        int minutesOld;
        bool gone;
    } cases[] = {
        {"ntn1.tmp", 60, true},
        {"NTNBEEF.TMP", 11, true},
        {"ntna0.tmp", 60 * 24 * 30, true},
        {"ntn2.tmp", 1, false},         // perhaps another instance's save
        {"ntn3.tmp", -5, false},        // written "in the future": a clock put back
        {"ntn12345.tmp", 60, false},    // five digits: not GetTempFileName's
        {"ntnx1.tmp", 60, false},
        {"ntn.tmp", 60, false},
        {"ntn1.tmp.txt", 60, false},
        {"abc1.tmp", 60, false},
        {"ntn4.tmpx", 60, false},
        {"my ntn5.tmp", 60, false},
    };
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const ULONGLONG ticks = (ULONGLONG(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    auto age = [&](const char* name, int minutes) {
        HANDLE file = CreateFileA(Path(name).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, file) << name;
        ULONGLONG then = ticks - ULONGLONG(LONGLONG(minutes) * 60 * 10000000);
        FILETIME time = {DWORD(then), DWORD(then >> 32)};
        EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &time)) << name;
        CloseHandle(file);
    };
    for (const Case& c : cases) {
        Put(c.name, "left over");
        age(c.name, c.minutesOld);
    }
    Put("ntn6.tmp", "read-only");
    age("ntn6.tmp", 60);
    SetFileAttributesA(Path("ntn6.tmp").c_str(), FILE_ATTRIBUTE_READONLY);
    CreateDirectoryA(Path("ntn7.tmp").c_str(), nullptr);

    std::string cause;
    ASSERT_TRUE(NTDiskFile::Write(Path("a.txt").c_str(), "saved\r\n", cause)) << cause;

    for (const Case& c : cases)
        EXPECT_EQ(c.gone, GetFileAttributesA(Path(c.name).c_str()) == INVALID_FILE_ATTRIBUTES) << c.name;
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(Path("ntn6.tmp").c_str()));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(Path("ntn7.tmp").c_str()));
    RemoveDirectoryA(Path("ntn7.tmp").c_str());
    EXPECT_EQ("saved\r\n", Get("a.txt"));
}

// A temporary that another save holds open cannot go, however old it looks.
TEST_F(DiskFile, AStaleLookingTemporaryStillOpenInAnotherSaveStays)
{
    Put("ntn9.tmp", "being written");
    HANDLE held = CreateFileA(Path("ntn9.tmp").c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    FILETIME old = {0, 0x01000000};
    SetFileTime(held, nullptr, nullptr, &old);
    std::string cause;
    ASSERT_TRUE(NTDiskFile::Write(Path("a.txt").c_str(), "saved", cause)) << cause;
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(Path("ntn9.tmp").c_str()));
    CloseHandle(held);
}

TEST_F(DiskFile, ReadingRefusesWhatTheTextEngineCannotHold)
{
    XGHandle bytes(0, 0);
    NTTextFile::LineEnd lineEnd = NTTextFile::kCRLF;
    NTEncoding::Kind encoding = NTEncoding::kUtf8;
    std::string cause;
    // A zero character, in whichever encoding; UTF-16's own zero bytes are not one.
    for (const std::string& file : {std::string("text\0more", 9), std::string("\xFF\xFEt\0\0\0", 6)}) {
        Put("zero.dat", file);
        cause.clear();
        EXPECT_FALSE(NTDiskFile::ReadText(Path("zero.dat").c_str(), bytes, lineEnd, encoding, cause));
        EXPECT_NE(std::string::npos, cause.find("zero characters")) << cause;
    }

    cause.clear();
    EXPECT_FALSE(NTDiskFile::Read(Path("missing.txt").c_str(), bytes, cause));
    EXPECT_FALSE(cause.empty());

    Put("plain.txt", "line\r\n\xe9t\xe9\n");
    EXPECT_EQ("line\r\n\xe9t\xe9\n", Get("plain.txt"));
}

// Whatever Notes writes it can open again: bytes it would refuse to read
// are not written, and the file stays as it was.
TEST_F(DiskFile, SavingRefusesBytesThatReadingWouldRefuse)
{
    Put("doc.txt", "before\r\n");
    std::string cause, bytes;
    for (NTEncoding::Kind kind : {NTEncoding::kUtf8, NTEncoding::kUtf16LE, NTEncoding::kAnsi}) {
        cause.clear();
        EXPECT_EQ(NTDiskFile::kRefused, NTDiskFile::EncodeText(std::string("a\0b\n", 4), NTTextFile::kCRLF, kind,
                                                               bytes, cause));
        EXPECT_NE(std::string::npos, cause.find("zero character")) << cause;
    }
    EXPECT_EQ("before\r\n", Get("doc.txt"));
    EXPECT_EQ(1, CountFiles());
}

// The line ends are decoded where the bytes were read.
TEST_F(DiskFile, ReadingTextDecodesLineEndsAndKeepsTheFilesOwn)
{
    struct Case {
        std::string file;
        std::string text;
        NTTextFile::LineEnd lineEnd;
    };
    const Case cases[] = {
        {"a\r\nbc\r\n\r\nd", "a\nbc\n\nd", NTTextFile::kCRLF},
        {"a\nb\r\nc\rd", "a\nb\nc\nd", NTTextFile::kLF},
        {"a\rb\r", "a\nb\n", NTTextFile::kCR},
        {"", "", NTTextFile::kCRLF},
    };
    for (const Case& c : cases) {
        Put("t.txt", c.file);
        XGHandle text(0, 0);
        NTTextFile::LineEnd lineEnd = NTTextFile::kCR;
        NTEncoding::Kind encoding = NTEncoding::kAnsi;
        std::string cause;
        ASSERT_TRUE(NTDiskFile::ReadText(Path("t.txt").c_str(), text, lineEnd, encoding, cause)) << cause;
        EXPECT_EQ(NTEncoding::kUtf8, encoding);
        EXPECT_EQ(c.text, std::string(*text, text.GetSize()));
        EXPECT_EQ(c.lineEnd, lineEnd) << c.file;
    }
}

// Each encoding Notes reads comes back byte for byte when the text read is
// encoded and written again, and a name in any script is read and replaced
// as itself (not as the code page's look-alike, which may be another file).
TEST_F(DiskFile, EveryEncodingRoundTripsUnderANameInAnyScript)
{
    struct Case {
        const char* name;
        std::string file;
        NTEncoding::Kind kind;
        std::string text;
        NTTextFile::LineEnd lineEnd;
    };
    const Case cases[] = {
        {"\xCE\xA9mega.txt", "caf\xC3\xA9 \xE2\x98\x95\r\nx", NTEncoding::kUtf8, "caf\xC3\xA9 \xE2\x98\x95\nx",
         NTTextFile::kCRLF},
        {"\xE6\x97\xA5\xE6\x9C\xAC.txt", "\xEF\xBB\xBF\xE6\x97\xA5\n", NTEncoding::kUtf8Bom, "\xE6\x97\xA5\n",
         NTTextFile::kLF},
        {"\xD0\x96\xD1\x83\xD0\xBA.txt", std::string("\xFF\xFE\x16\x04\r\0\n\0\x3D\xD8\x00\xDE", 12),
         NTEncoding::kUtf16LE, "\xD0\x96\n\xF0\x9F\x98\x80", NTTextFile::kCRLF},
        {"\xC4\x88" "af\xC3\xA9.txt", std::string("\xFE\xFF\0a\0\r", 6), NTEncoding::kUtf16BE, "a\n",
         NTTextFile::kCR},
    };
    for (const Case& c : cases) {
        Put(c.name, c.file);
        XGHandle text(0, 0);
        NTTextFile::LineEnd lineEnd = NTTextFile::kCRLF;
        NTEncoding::Kind kind = NTEncoding::kAnsi;
        std::string cause, bytes;
        ASSERT_TRUE(NTDiskFile::ReadText(Path(c.name).c_str(), text, lineEnd, kind, cause)) << c.name << cause;
        EXPECT_EQ(c.kind, kind) << c.name;
        EXPECT_EQ(c.lineEnd, lineEnd) << c.name;
        std::string read(*text, text.GetSize());
        EXPECT_EQ(c.text, read) << c.name;
        ASSERT_EQ(NTDiskFile::kEncoded, NTDiskFile::EncodeText(read, lineEnd, kind, bytes, cause)) << c.name;
        ASSERT_TRUE(NTDiskFile::Write(Path(c.name).c_str(), bytes, cause)) << c.name << cause;
        EXPECT_EQ(c.file, Get(c.name)) << c.name;
    }
    // The neighbour whose name is the look-alike of another is untouched.
    Put("Omega.txt", "neighbour");
    std::string cause;
    ASSERT_TRUE(NTDiskFile::Write(Path("\xCE\xA9mega.txt").c_str(), "mine", cause)) << cause;
    EXPECT_EQ("neighbour", Get("Omega.txt"));
    EXPECT_EQ("mine", Get("\xCE\xA9mega.txt"));
    EXPECT_EQ(Path("\xE6\x97\xA5\xE6\x9C\xAC.txt"), NTDiskFile::FullPath(Path("\xE6\x97\xA5\xE6\x9C\xAC.txt").c_str()));
}

// The system's ANSI code page (1252 in a Western locale, 932 in a Japanese
// one): its bytes read as their characters, and a character it has no exact
// form for is reported, never written as a look-alike or a question mark.
TEST_F(DiskFile, AnsiFilesReadInTheCodePageAndRefuseWhatItCannotHold)
{
    struct Case {
        std::string file;
        std::string text;
    };
    std::vector<Case> held;
    std::vector<std::string> notHeld = {"\xF0\x9F\x98\x80", "\xE2\x98\x95"};
    if (GetACP() == 1252) {
        held = {{"caf\xE9\r\n", "caf\xC3\xA9\n"}, {"\x80 \x9C", "\xE2\x82\xAC \xC5\x93"}};
        notHeld.insert(notHeld.end(), {"\xCE\xA9", "\xE6\x97\xA5", "\xC4\x88"});
    } else if (GetACP() == 932) {
        held = {{"\x93\xFA\x96\x7B\r\n", "\xE6\x97\xA5\xE6\x9C\xAC\n"}, {"\x83\xB6", "\xCE\xA9"}};
        notHeld.insert(notHeld.end(), {"\xC3\xA9", "\xC4\x88"});
    } else {
        GTEST_SKIP() << "no table for code page " << GetACP();
    }
    for (const Case& c : held) {
        Put("ansi.txt", c.file);
        XGHandle text(0, 0);
        NTTextFile::LineEnd lineEnd = NTTextFile::kCRLF;
        NTEncoding::Kind kind = NTEncoding::kUtf8;
        std::string cause, bytes;
        ASSERT_TRUE(NTDiskFile::ReadText(Path("ansi.txt").c_str(), text, lineEnd, kind, cause)) << cause;
        EXPECT_EQ(NTEncoding::kAnsi, kind) << c.file;
        std::string read(*text, text.GetSize());
        EXPECT_EQ(c.text, read);
        EXPECT_EQ(NTDiskFile::kEncoded, NTDiskFile::EncodeText(read, lineEnd, kind, bytes, cause));
        EXPECT_EQ(c.file, bytes);
    }
    // A lead byte without its trail byte is no character: it reads as U+FFFD,
    // and the text then asks before it is saved.
    if (GetACP() == 932) {
        Put("ansi.txt", "a\x81\r\n");
        XGHandle text(0, 0);
        NTTextFile::LineEnd lineEnd = NTTextFile::kCRLF;
        NTEncoding::Kind kind = NTEncoding::kUtf8;
        std::string cause, bytes;
        ASSERT_TRUE(NTDiskFile::ReadText(Path("ansi.txt").c_str(), text, lineEnd, kind, cause)) << cause;
        std::string read(*text, text.GetSize());
        EXPECT_EQ("a\xEF\xBF\xBD\n", read);
        EXPECT_EQ(NTDiskFile::kNotHeld, NTDiskFile::EncodeText(read, lineEnd, kind, bytes, cause));
    }
    for (const std::string& character : notHeld) {
        std::string bytes = "untouched", cause;
        std::string text = "a" + character + "b";
        EXPECT_EQ(NTDiskFile::kNotHeld,
                  NTDiskFile::EncodeText(text, NTTextFile::kCRLF, NTEncoding::kAnsi, bytes, cause)) << character;
        EXPECT_FALSE(NTCodePage::Encode(text.data(), text.size(), bytes)) << character;
        EXPECT_TRUE(bytes.empty());
    }
}

TEST(DiskFileNames, TheNameIsTheLastPartOfThePath)
{
    EXPECT_STREQ("a.txt", NTDiskFile::FileName("C:\\notes\\a.txt"));
    EXPECT_STREQ("b.txt", NTDiskFile::FileName("C:/notes/b.txt"));
    EXPECT_STREQ("c.txt", NTDiskFile::FileName("D:c.txt"));
    EXPECT_STREQ("plain", NTDiskFile::FileName("plain"));
}

}  // namespace
