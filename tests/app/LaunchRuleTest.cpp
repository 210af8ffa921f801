// What the launcher hands the shell for one installer, from its full path and
// the launcher's folder: the parameters, or why it is not started.
#include "HCYLaunchRule.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Case {
    const char* path;
    const char* folder; // null: an installer started without parameters
    HCYLaunchRule::Verdict verdict;
    const char* parameters; // null: none
    char unsafe;
};

void Expect(const Case& c)
{
    SCOPED_TRACE(std::string(c.path) + " from " + (c.folder ? c.folder : "(no parameters)"));
    HCYLaunchRule rule(c.path, c.folder);
    EXPECT_EQ(rule.GetVerdict(), c.verdict);
    if (c.parameters)
        EXPECT_STREQ(rule.GetParameters(), c.parameters);
    else
        EXPECT_EQ(rule.GetParameters(), nullptr);
    EXPECT_EQ(rule.GetUnsafeCharacter(), c.unsafe);
}

const HCYLaunchRule::Verdict kStart = HCYLaunchRule::kStart;
const HCYLaunchRule::Verdict kNoExtension = HCYLaunchRule::kNoExtension;
const HCYLaunchRule::Verdict kUnsafe = HCYLaunchRule::kUnsafeForBatch;

TEST(LaunchRule, NameWithoutAnExtensionIsNeverStarted)
{
    const Case cases[] = {
        {"C:\\cd\\Inst\\Setup", "C:\\cd\\$ ", kNoExtension, nullptr, 0},
        {"C:\\cd\\Inst.d\\Setup", "C:\\cd\\$ ", kNoExtension, nullptr, 0},
        {"C:\\cd\\Inst\\Setup.", "C:\\cd\\$ ", kNoExtension, nullptr, 0},
        {"C:\\cd\\Inst\\Setup. .  ", "C:\\cd\\$ ", kNoExtension, nullptr, 0},
        {"C:\\cd\\Inst.exe\\Setup", "C:\\cd\\$ ", kNoExtension, nullptr, 0},
        {"C:\\cd\\Inst/Setup", nullptr, kNoExtension, nullptr, 0},
        {"C:Setup", nullptr, kNoExtension, nullptr, 0},
        {"C:\\cd\\Setup.exe:stream", nullptr, kNoExtension, nullptr, 0},
        {"Setup", "C:\\cd\\$ ", kNoExtension, nullptr, 0},
        {"", "C:\\cd\\$ ", kNoExtension, nullptr, 0},
        // A batch file without its extension is refused for the same reason first.
        {"C:\\50%\\setup", "C:\\50%\\$ ", kNoExtension, nullptr, 0},
    };
    for (const Case& c : cases)
        Expect(c);
}

// A program is started by the system directly, with no command interpreter:
// its parameters keep their form whatever the folder holds.
TEST(LaunchRule, ProgramGetsDashADashAAndTheFolderUnchanged)
{
    const Case cases[] = {
        {"C:\\cd\\Inst\\Setup.exe", "C:\\cd\\$ ", kStart, "-a -aC:\\cd\\$ ", 0},
        {"D:\\Inst\\Setup.EXE", "D:\\$ ", kStart, "-a -aD:\\$ ", 0},
        {"C:\\a & b\\Inst\\Setup.exe", "C:\\a & b\\$ ", kStart, "-a -aC:\\a & b\\$ ", 0},
        {"C:\\50%\\Setup.exe", "C:\\50%\\$ ", kStart, "-a -aC:\\50%\\$ ", 0},
        {"C:\\Hi!\\Setup.msi", "C:\\Hi!\\$ ", kStart, "-a -aC:\\Hi!\\$ ", 0},
        {"C:\\cd\\setup.bat.exe", "C:\\cd\\$ ", kStart, "-a -aC:\\cd\\$ ", 0},
        {"C:\\cd\\setup.batch", "C:\\cd\\$ ", kStart, "-a -aC:\\cd\\$ ", 0},
        {"C:\\cd\\bat", "C:\\cd\\$ ", kNoExtension, nullptr, 0},
        {"C:\\cd\\.profile", "C:\\cd\\$ ", kStart, "-a -aC:\\cd\\$ ", 0},
        {"C:\\cd\\qt.exe", nullptr, kStart, nullptr, 0},
    };
    for (const Case& c : cases)
        Expect(c);
}

// A batch file's folder goes in double quotes whenever cmd would read any of
// its characters as more than text; a plain folder keeps the program's form.
TEST(LaunchRule, BatchFileGetsTheFolderAsOneQuotedParameterWhereCmdWouldSplitIt)
{
    const Case cases[] = {
        {"C:\\cd\\Inst\\setup.bat", "C:\\cd\\$ ", kStart, "-a -aC:\\cd\\$ ", 0},
        {"D:\\Inst\\SETUP.CMD", "D:\\$ ", kStart, "-a -aD:\\$ ", 0},
        {"C:\\cd\\setup.exe.bat", "C:\\cd\\$ ", kStart, "-a -aC:\\cd\\$ ", 0},
        {"C:\\cd\\setup.bat. ", "C:\\cd\\$ ", kStart, "-a -aC:\\cd\\$ ", 0},
        {"C:\\my_cd-1.0\\{x}[y]~#@'+`\\s.bat", "C:\\my_cd-1.0\\{x}[y]~#@'+`\\$ ", kStart,
         "-a -aC:\\my_cd-1.0\\{x}[y]~#@'+`\\$ ", 0},
        {"C:\\a & b\\Inst\\setup.bat", "C:\\a & b\\$ ", kStart, "-a \"-aC:\\a & b\\$\" ", 0},
        {"C:\\a&b\\setup.cmd", "C:\\a&b\\$ ", kStart, "-a \"-aC:\\a&b\\$\" ", 0},
        {"C:\\Setup Disk\\setup.bat", "C:\\Setup Disk\\$ ", kStart, "-a \"-aC:\\Setup Disk\\$\" ", 0},
        {"C:\\a|b\\s.bat", "C:\\a|b\\$ ", kStart, "-a \"-aC:\\a|b\\$\" ", 0},
        {"C:\\a<b>c\\s.bat", "C:\\a<b>c\\$ ", kStart, "-a \"-aC:\\a<b>c\\$\" ", 0},
        {"C:\\a^b\\s.bat", "C:\\a^b\\$ ", kStart, "-a \"-aC:\\a^b\\$\" ", 0},
        {"C:\\cd (1)\\s.bat", "C:\\cd (1)\\$ ", kStart, "-a \"-aC:\\cd (1)\\$\" ", 0},
        {"C:\\a,b;c=d\\s.bat", "C:\\a,b;c=d\\$ ", kStart, "-a \"-aC:\\a,b;c=d\\$\" ", 0},
        {"C:\\a\tb\\s.bat", "C:\\a\tb\\$ ", kUnsafe, nullptr, '\t'},
        // The batch file is elsewhere: the folder alone decides the quotes.
        {"E:\\setup.bat", "C:\\x & y\\$ ", kStart, "-a \"-aC:\\x & y\\$\" ", 0},
        {"C:\\a & b\\qt.bat", nullptr, kStart, nullptr, 0},
    };
    for (const Case& c : cases)
        Expect(c);
}

// cmd expands % (and ! with delayed expansion) inside quotes too, and a
// double quote would end them: such a batch file, or a batch file started
// from such a folder, is not started at all.
TEST(LaunchRule, BatchFileIsRefusedWhereItsPathOrTheFolderHoldsWhatCmdExpandsInQuotes)
{
    const Case cases[] = {
        {"C:\\50%\\setup.bat", "C:\\50%\\$ ", kUnsafe, nullptr, '%'},
        {"C:\\cd\\setup.bat", "C:\\%PATH%\\$ ", kUnsafe, nullptr, '%'},
        {"C:\\cd\\%PATH%\\setup.bat", "C:\\cd\\$ ", kUnsafe, nullptr, '%'},
        {"C:\\cd\\%x%\\qt.cmd", nullptr, kUnsafe, nullptr, '%'},
        {"C:\\Hi!\\setup.cmd", "C:\\Hi!\\$ ", kUnsafe, nullptr, '!'},
        {"C:\\cd\\setup.bat", "C:\\a\"b\\$ ", kUnsafe, nullptr, '"'},
        {"C:\\cd\\setup.bat", "C:\\a\nb\\$ ", kUnsafe, nullptr, '\n'},
        {"C:\\cd\\set\rup.bat", "C:\\cd\\$ ", kUnsafe, nullptr, '\r'},
        {"C:\\cd\\setup.bat", "C:\\a\x7f\\$ ", kUnsafe, nullptr, '\x7f'},
        // The path's character is named first.
        {"C:\\a!\\setup.bat", "C:\\b%\\$ ", kUnsafe, nullptr, '!'},
    };
    for (const Case& c : cases)
        Expect(c);
}

TEST(LaunchRule, LongestFolderFitsWholeInTheQuotedForm)
{
    std::string folder = "C:\\" + std::string(248, 'x') + " &\\a";
    ASSERT_EQ(folder.size(), 255u);
    std::string given = folder + "\\$ ";
    HCYLaunchRule rule("C:\\setup.bat", given.c_str());
    ASSERT_EQ(rule.GetVerdict(), HCYLaunchRule::kStart);
    EXPECT_EQ(std::string(rule.GetParameters()), "-a \"-a" + folder + "\\$\" ");
}

}
