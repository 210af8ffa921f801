#include <gtest/gtest.h>

#include <string>
#include <windows.h>

#include "NTDiskFile.h"

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
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((fFolder + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                std::string path = fFolder + "\\" + found.cFileName;
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(path.c_str());
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(fFolder.c_str());
    }

    std::string Path(const char* name) const { return fFolder + "\\" + name; }
    void Put(const char* name, const std::string& bytes) const
    {
        HANDLE file = CreateFileA(Path(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
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
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((fFolder + "\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return 0;
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                ++count;
        } while (FindNextFileA(search, &found));
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
    Put("zero.dat", std::string("text\0more", 9));
    XGHandle bytes(0, 0);
    std::string cause;
    EXPECT_FALSE(NTDiskFile::Read(Path("zero.dat").c_str(), bytes, cause));
    EXPECT_NE(std::string::npos, cause.find("zero bytes")) << cause;

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
    std::string cause;
    EXPECT_FALSE(NTDiskFile::Write(Path("doc.txt").c_str(), std::string("a\0b\r\n", 5), cause));
    EXPECT_NE(std::string::npos, cause.find("zero byte")) << cause;
    EXPECT_EQ("before\r\n", Get("doc.txt"));
    cause.clear();
    EXPECT_FALSE(NTDiskFile::Write(Path("new.txt").c_str(), std::string(1, '\0'), cause));
    EXPECT_FALSE(cause.empty());
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
        std::string cause;
        ASSERT_TRUE(NTDiskFile::ReadText(Path("t.txt").c_str(), text, lineEnd, cause)) << cause;
        EXPECT_EQ(c.text, std::string(*text, text.GetSize()));
        EXPECT_EQ(c.lineEnd, lineEnd) << c.file;
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
