#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include "files/XGDirectory.h"

namespace {

struct FolderCase {
    const char* path;
    const char* folder;
};

class FolderOfPathTest : public ::testing::TestWithParam<FolderCase> {};

TEST_P(FolderOfPathTest, KeepsEverythingUpToTheLastSeparator)
{
    char folder[280];
    XGFolderOfPath(GetParam().path, folder, sizeof(folder));
    EXPECT_STREQ(GetParam().folder, folder);
}

INSTANTIATE_TEST_SUITE_P(Paths, FolderOfPathTest, ::testing::Values(
    FolderCase {"D:\\SETUP.EXE", "D:\\"},
    FolderCase {"D:\\disk1\\setup.exe", "D:\\disk1\\"},
    FolderCase {"D:setup.exe", "D:"},
    FolderCase {"setup.exe", ""},
    FolderCase {"\\\\server\\share\\a.exe", "\\\\server\\share\\"}));

TEST(FolderOfPathTest2, LongPathIsCutToTheBuffer)
{
    std::string path = std::string(20, 'a') + "\\b.exe";
    char folder[8];
    memset(folder, '#', sizeof(folder));
    XGFolderOfPath(path.c_str(), folder, 6);
    EXPECT_STREQ("aaaaa", folder);
    EXPECT_EQ('#', folder[6]);
}

}
