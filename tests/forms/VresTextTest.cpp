// The text form, its compiler and its dump command.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "VresDecoder.h"
#include "VresEncoder.h"
#include "VresText.h"
#include "records/XGAlertForms.h"

namespace {

std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

const char* kSources[] = {
    "app/vres/StartScreen.vres",
    "app/vres/QuickTimeOffer.vres",
    "framework/records/alerts/Error.vres",
    "framework/records/alerts/Caution.vres",
    "framework/records/alerts/Warning.vres",
};

TEST(VresText, DumpOfEveryProgramTreeCompilesToTheSameBytes)
{
    for (const char* source : kSources) {
        SCOPED_TRACE(source);
        std::vector<uint8_t> bytes = vres::Encode(vres::Parse(ReadText(std::string(KEBO_SOURCE_ROOT) + "/" + source)));
        std::string dumped = vres::Print(vres::Decode(bytes, true));
        EXPECT_EQ(vres::Encode(vres::Parse(dumped)), bytes) << dumped;
    }
}

TEST(VresText, BuiltInAlertDataIsTheCompiledTextForm)
{
    for (int type = 1; type <= 3; type++) {
        std::vector<uint8_t> bytes = vres::Encode(vres::Parse(ReadText(std::string(KEBO_SOURCE_ROOT) + "/" + kSources[type + 1])));
        EXPECT_EQ(std::vector<uint8_t>(XGAlertForms::Get(type), XGAlertForms::Get(type) + XGAlertForms::GetSize(type)), bytes);
    }
}

TEST(VresText, DumpNamesTheFieldsOfKnownClasses)
{
    vres::Record top('dlog', true);
    top.SetText("title", "Hi").Set("defaultitem", { 100 });
    top.Add(vres::Record('text', false).SetText("text", "a \"quoted\"\n").Set("font", { 1 }).Set("offsets", { 80, 14, -14, 30 }));
    std::string text = vres::Print(vres::Decode(vres::Encode(top), true));
    EXPECT_NE(text.find("'dlog' {"), std::string::npos) << text;
    EXPECT_NE(text.find("title \"Hi\""), std::string::npos) << text;
    EXPECT_NE(text.find("defaultitem 100"), std::string::npos) << text;
    EXPECT_NE(text.find("    'text' {"), std::string::npos) << text;
    EXPECT_NE(text.find("text \"a \\\"quoted\\\"\\n\""), std::string::npos) << text;
    EXPECT_NE(text.find("offsets 80 14 -14 30"), std::string::npos) << text;
}

TEST(VresText, RecordsTheirClassesCannotReadBackComeOutRawAndRoundTrip)
{
    // A 'text' record cut after its text, one with bytes beyond its fields,
    // and a Boolean stored as 00 01, which no named field writes.
    vres::Record top('wind', true);
    vres::Record cut('text', false);
    cut.raw = true;
    vres::Writer w;
    for (int i = 0; i < 2; i++)
        w.Integer(0);
    for (int i = 0; i < 4; i++)
        w.Boolean(true);
    for (int i = 0; i < 4; i++)
        w.Integer(10);
    for (int i = 0; i < 3; i++)
        w.Boolean(true);
    w.String("cut");
    cut.extra.push_back(vres::Value::Bytes(w.Data()));
    vres::Record longer('view', false);
    longer.extra.push_back(vres::Value::Integer(77));
    vres::Record odd('view', false);
    odd.raw = true;
    odd.extra.push_back(vres::Value::Bytes({ 0, 0, 0, 1, 0, 0, 0, 0, 0, 1 }));
    top.Add(cut).Add(longer).Add(odd);

    std::vector<uint8_t> bytes = vres::Encode(top);
    std::string text = vres::Print(vres::Decode(bytes, true));
    EXPECT_EQ(vres::Encode(vres::Parse(text)), bytes) << text;
    EXPECT_NE(text.find("raw"), std::string::npos) << text;
    EXPECT_NE(text.find("bytes 00 00 00 4D"), std::string::npos) << text;
}

TEST(VresText, ViewTreesReadTheViewFieldsAtTheTop)
{
    std::string text = "view 'text' { id 3 text \"x\" font 2 'view' { id 4 } }";
    vres::Record top = vres::Parse(text);
    EXPECT_FALSE(top.window);
    std::vector<uint8_t> bytes = vres::Encode(top);
    EXPECT_EQ(vres::Print(vres::Decode(bytes, false)).substr(0, 12), "view 'text' ");
    EXPECT_EQ(vres::Encode(vres::Parse(vres::Print(vres::Decode(bytes, false)))), bytes);
}

TEST(VresText, MissingFieldsAreZeroFalseOrEmpty)
{
    std::vector<uint8_t> bytes = vres::Encode(vres::Parse("'wind' { }"));
    // 58 bytes of Integers and Booleans, then the empty String (two bytes), then the menu bar.
    ASSERT_EQ(bytes.size(), 16u + 58 + 2 + 4);
    for (size_t i = 16; i < bytes.size(); i++)
        EXPECT_EQ(bytes[i], 0) << i;
}

TEST(VresText, MistakesAreReportedWithTheirLine)
{
    struct Case {
        const char* text;
        const char* message;
    } cases[] = {
        { "'dlog' {\n  titel \"x\"\n}", "line 2: no field \"titel\"" },
        { "'dlog' {\n  kind 1\n  kind 2\n}", "line 3: field \"kind\" given twice" },
        { "'dlog' {\n\n  show yes\n}", "line 3: expected true or false" },
        { "'dlog' {\n  rect 1 2 3\n}", "line 3: expected a number" },
        { "'dlg' { }", "line 1: a class code is four characters" },
        { "'dlog' {\n  title \"open\n}", "line 2: string without closing quote" },
        { "'dlog' { }\n'dlog' { }", "line 2: a file holds one tree" },
        { "'dlog' {\n 'view' {\n  kind 3\n }\n}", "line 3: no field \"kind\" in 'view'" },
        { "'dlog' {\n  id 4294967296\n}", "line 2: the number 4294967296 does not fit" },
        { "'dlog' {\n  bytes 0A F\n}", "line 2: bytes are written as two hex digits" },
        { "'dlog' { kind 1", "line 1: expected a field name, a child record or '}'" },
    };
    for (const Case& c : cases) {
        try {
            vres::Parse(c.text);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const vres::Error& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
    }
}

TEST(VresText, StringsLongerThan255BytesAreRefused)
{
    std::string text = "'dlog' { title \"" + std::string(256, 'x') + "\" }";
    EXPECT_THROW(vres::Parse(text), vres::Error);
    vres::Record top('dlog', true);
    top.SetText("title", std::string(256, 'x'));
    EXPECT_THROW(vres::Encode(top), vres::Error);
}

TEST(VresText, WriterPadsEvenStringsAndWritesBooleansAsFFFF)
{
    vres::Writer w;
    w.String("OK");
    w.String("Error");
    w.Boolean(true);
    w.Integer(-14);
    std::vector<uint8_t> expected = { 2, 'O', 'K', 0, 5, 'E', 'r', 'r', 'o', 'r', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xF2 };
    EXPECT_EQ(w.Data(), expected);
    EXPECT_THROW(w.Integer(int64_t(1) << 32), vres::Error);
}

TEST(VresText, SiblingsFollowThePreviousSiblingsWholeSubtree)
{
    vres::Record top('wind', true);
    vres::Record first('view', false);
    first.Add(vres::Record('view', false)).Add(vres::Record('view', false));
    top.Add(first).Add(vres::Record('view', false));
    std::vector<uint8_t> bytes = vres::Encode(top);
    auto at = [&](size_t offset) {
        return (uint32_t(bytes[offset]) << 24) | (uint32_t(bytes[offset + 1]) << 16) | (uint32_t(bytes[offset + 2]) << 8) | bytes[offset + 3];
    };
    size_t window = 16 + 64;
    size_t view = 16 + 38;
    EXPECT_EQ(at(4), window);                  // first child right behind the window's arguments
    EXPECT_EQ(at(window), 3 * view);           // next sibling after the first view's two children
    EXPECT_EQ(at(window + view), view);        // its first child's sibling
    EXPECT_EQ(at(window + 2 * view), 0u);      // last child
    EXPECT_EQ(at(window + 3 * view), 0u);      // last sibling
    EXPECT_EQ(bytes.size(), window + 4 * view);
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

TEST(VresTool, CompileWritesTheBinaryAndDumpPrintsItBack)
{
    std::string source = std::string(KEBO_SOURCE_ROOT) + "/app/vres/StartScreen.vres";
    std::string binary = testing::TempDir() + "vres128.bin";
    int status = 0;
    RunTool(std::string(XGVRES_PATH) + " compile " + source + " " + binary, &status);
    ASSERT_EQ(status, 0);
    std::string written = ReadText(binary);
    std::vector<uint8_t> expected = vres::Encode(vres::Parse(ReadText(source)));
    EXPECT_EQ(std::vector<uint8_t>(written.begin(), written.end()), expected);

    std::string dumped = RunTool(std::string(XGVRES_PATH) + " dump " + binary, &status);
    ASSERT_EQ(status, 0) << dumped;
    EXPECT_EQ(vres::Encode(vres::Parse(dumped)), expected);
    EXPECT_NE(dumped.find("title \"HalcyraInternational\""), std::string::npos) << dumped;
}

TEST(VresTool, ReportsTheFileAndLineOfAMistakeAndFails)
{
    std::string source = testing::TempDir() + "broken.vres";
    std::ofstream(source) << "'dlog' {\n  kind x\n}\n";
    int status = 0;
    std::string output = RunTool(std::string(XGVRES_PATH) + " compile " + source + " " + testing::TempDir() + "broken.bin", &status);
    EXPECT_NE(status, 0);
    EXPECT_NE(output.find("broken.vres: line 2: expected a number"), std::string::npos) << output;
}

TEST(VresTool, DumpRefusesADamagedTree)
{
    std::string binary = testing::TempDir() + "damaged.bin";
    std::vector<uint8_t> bytes = vres::Encode(vres::Parse("'wind' { 'view' { } }"));
    bytes.resize(bytes.size() - 10);
    std::ofstream(binary, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    int status = 0;
    std::string output = RunTool(std::string(XGVRES_PATH) + " dump " + binary, &status);
    EXPECT_NE(status, 0);
    EXPECT_NE(output.find("damaged VRES tree"), std::string::npos) << output;
}

} // namespace
