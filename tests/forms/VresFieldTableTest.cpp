// An application's class field table: its text form, the classes it makes
// known to the compiler, and xgvres's --fields option.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "VresEncoder.h"
#include "VresFieldTable.h"
#include "VresSchema.h"
#include "VresText.h"

namespace {

std::vector<std::string> Names(const XGSFieldList& list)
{
    std::vector<std::string> names;
    for (int i = 0; i < XGFieldList::Size(list); i++) {
        const XGSField& field = XGFieldList::At(list, i);
        names.push_back(std::string(field.fName) + "/" + std::to_string(field.fType) + "/" + std::to_string(field.fCount));
    }
    return names;
}

TEST(VresFieldTable, DeclaresClassesOfBothKindsOnTheirBases)
{
    vres::FieldTable table = vres::FieldTable::Parse(
        "# a comment line\r\n"
        "view 'fta1'             # common view fields only\n"
        "view 'fta2' extends 'pbtn'\n"
        "    integer step\n"
        "    boolean wrap 2      # two flags\n"
        "\n"
        "view 'fta3' extends 'fta2'\n"
        "\tstring label\n"
        "window 'fta4'\n"
        "    integer mode\n");
    const XGSClassCatalogue& catalogue = table.Catalogue();
    ASSERT_EQ(catalogue.fCount, 4);
    const XGSFieldList* plain = XGFieldList::Find(catalogue, 'fta1', false);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(Names(*plain), Names(XGFieldList::gView));

    const XGSFieldList* button = vres::ListOf('pbtn', false);
    const XGSFieldList* second = XGFieldList::Find(catalogue, 'fta2', false);
    ASSERT_NE(second, nullptr);
    std::vector<std::string> expected = Names(*button);
    expected.insert(expected.end(), { "step/0/1", "wrap/1/2" });
    EXPECT_EQ(Names(*second), expected);

    const XGSFieldList* third = XGFieldList::Find(catalogue, 'fta3', false);
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(third->fBase, second);
    expected.push_back("label/2/1");
    EXPECT_EQ(Names(*third), expected);

    const XGSFieldList* window = XGFieldList::Find(catalogue, 'fta4', true);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(XGFieldList::IsWindow(*window));
    EXPECT_EQ(XGFieldList::Find(catalogue, 'fta4', false), nullptr);
}

TEST(VresFieldTable, AddedTableLetsTheCompilerWriteItsFieldsByName)
{
    static vres::FieldTable table = vres::FieldTable::Parse("view 'ftb1'\n integer speed\n string name\n");
    const char* source = "view 'ftb1' { id 3 speed 9 name \"ab\" }";
    EXPECT_THROW(vres::Parse(source), vres::Error);
    vres::AddClasses(table.Catalogue());
    std::vector<uint8_t> bytes = vres::Encode(vres::Parse(source));
    // Header, code, common view fields (38 bytes), then 9 and "ab".
    const uint8_t tail[] = { 0, 0, 0, 9, 2, 'a', 'b', 0 };
    ASSERT_EQ(bytes.size(), 16u + 38u + sizeof tail);
    EXPECT_TRUE(std::equal(tail, tail + sizeof tail, bytes.end() - sizeof tail));
}

// Each mistake names its line and what is wrong, and nothing is declared.
TEST(VresFieldTable, RefusesMistakesWithTheirLine)
{
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        { "integer x\n", "line 1: a field belongs to the view or window line above it" },
        { "\nview 'ab'\n", "line 2: a class code is four characters" },
        { "view 'abcde'\n", "line 1: a class code is four characters" },
        { "view 'ab\tc'\n", "line 1: a class code holds printable ASCII" },
        { "view\n", "line 1: expected a class code after view" },
        { "view 'ftc1' 'ftc2'\n", "line 1: expected view 'code' or view 'code' extends 'base'" },
        { "view 'ftc1' extends\n", "line 1: expected view 'code' or" },
        { "view 'pbtn'\n", "line 1: 'pbtn' is already a view class" },
        { "view 'ftc1'\nview 'ftc1'\n", "line 2: 'ftc1' is already a view class" },
        { "view 'ftc1' extends 'zzzz'\n", "line 1: no view class 'zzzz' to extend" },
        { "view 'ftc1' extends 'dlog'\n", "line 1: no view class 'dlog' to extend" },
        { "window 'ftc1' extends 'ftc2'\nview 'ftc2'\n", "line 1: no window class 'ftc2'" },
        { "view 'ftc1'\n integer\n", "line 2: expected a field name after integer" },
        { "view 'ftc1'\n integer 5\n", "line 2: expected a field name after integer" },
        { "view 'ftc1'\n integer a b\n", "line 2: expected integer name [count]" },
        { "view 'ftc1'\n integer a 2 3\n", "line 2: expected integer name [count]" },
        { "view 'ftc1'\n integer a 0\n", "line 2: a count is 1 to 64" },
        { "view 'ftc1'\n integer a 65\n", "line 2: a count is 1 to 64" },
        { "view 'ftc1'\n integer a 99999999999999999999\n", "line 2: a count is 1 to 64" },
        { "view 'ftc1'\n integer a 2x\n", "line 2: malformed number" },
        { "view 'ftc1'\n integer a\n string a\n", "line 3: field \"a\" declared twice" },
        { "view 'ftc1' extends 'pbtn'\n string title\n", "line 2: field \"title\" is already in the base class" },
        { "view 'ftc1'\n boolean id\n", "line 2: field \"id\" is already in the base class" },
        { "view 'ftc1'\n integer int\n", "line 2: \"int\" is a word of the text form" },
        { "view 'ftc1'\n float a\n", "line 2: unknown word \"float\"" },
        { "view 'ftc1'\n 'abcd'\n", "line 2: a line starts with view, window or a field type" },
        { "view 'ftc1'\n integer a; \n", "line 2: unexpected character ';'" },
        { "view 'ftc1'\n integer \xC3\xA9\n", "line 2: unexpected character 0xC3" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            vres::FieldTable::Parse(c.text);
            ADD_FAILURE() << "accepted";
        } catch (const vres::Error& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
    }
}

std::string RunTool(const std::string& command, int* status)
{
    std::string output;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    char buffer[512];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, n);
    *status = pclose(pipe);
    return output;
}

TEST(VresFieldTable, ToolCompilesAndDumpsAnApplicationsClassesByName)
{
    std::string dir = testing::TempDir();
    std::ofstream(dir + "own.fields") << "view 'ftd1'\n    integer speed\n";
    std::ofstream(dir + "own.vres") << "'wind' { 'ftd1' { id 4 speed 77 } }\n";
    int status = 0;
    std::string output = RunTool(std::string(XGVRES_PATH) + " compile " + dir + "own.vres " + dir + "own.bin", &status);
    EXPECT_NE(status, 0);
    EXPECT_NE(output.find("no field \"speed\""), std::string::npos) << output;

    output = RunTool(std::string(XGVRES_PATH) + " compile --fields " + dir + "own.fields " + dir + "own.vres " + dir + "own.bin", &status);
    ASSERT_EQ(status, 0) << output;
    output = RunTool(std::string(XGVRES_PATH) + " dump --fields " + dir + "own.fields " + dir + "own.bin", &status);
    ASSERT_EQ(status, 0) << output;
    EXPECT_NE(output.find("speed 77"), std::string::npos) << output;
}

TEST(VresFieldTable, ToolNamesTheFileAndLineOfAMistakeInATable)
{
    std::string dir = testing::TempDir();
    std::ofstream(dir + "bad.fields") << "view 'fte1'\n    number speed\n";
    std::ofstream(dir + "any.vres") << "'wind' { }\n";
    int status = 0;
    std::string output = RunTool(std::string(XGVRES_PATH) + " compile --fields " + dir + "bad.fields " + dir + "any.vres " + dir + "any.bin", &status);
    EXPECT_NE(status, 0);
    EXPECT_NE(output.find("bad.fields: line 2: unknown word \"number\""), std::string::npos) << output;
}

} // namespace
