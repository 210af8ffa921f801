// The classes' field lists: the reader that constructors take their fields
// through, and the compiler's schema built from the same lists.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>
#include <set>
#include <string>
#include <vector>

#include "HCYClassFields.h"
#include "VresDecoder.h"
#include "VresEncoder.h"
#include "VresFieldTable.h"
#include "VresSchema.h"
#include "core/XGClassFields.h"
#include "records/XGFieldReader.h"
#include "foundation/XGError.h"

namespace {

// Stream bytes: class code 'tst1', then "id" 7, "flag" true, "name" "ab".
const unsigned char kRecord[] = {
    't', 's', 't', '1',
    0, 0, 0, 7,
    0xFF, 0xFF,
    2, 'a', 'b', 0,
};

const XGSField kFields[] = {
    { "id", kFieldInteger, 1 },
    { "flag", kFieldBoolean, 1 },
    { "name", kFieldString, 1 },
};
const XGSFieldList kList = { nullptr, kFields, 3 };

TEST(FieldReader, ReadsTheListInOrder)
{
    XGArgStream stream(kRecord, long(sizeof kRecord));
    XGFieldReader fields(stream, kList);
    EXPECT_EQ(fields.ReadCode(), long('tst1'));
    EXPECT_EQ(fields.ReadInteger("id"), 7);
    EXPECT_TRUE(fields.ReadBoolean("flag"));
    char name[256];
    fields.ReadString("name", name);
    EXPECT_STREQ(name, "ab");
    EXPECT_NO_THROW(fields.End());
    EXPECT_EQ(stream.GetLength(), 0);
}

// Each way a constructor can drift from its list fails the consistency check.
TEST(FieldReader, AReadThatDriftsFromTheListFailsTheCheck)
{
    char text[256];
    const struct {
        const char* what;
        std::function<void(XGFieldReader&)> reads;
    } cases[] = {
        { "a field skipped", [](XGFieldReader& f) { f.ReadBoolean("flag"); } },
        { "two fields swapped", [](XGFieldReader& f) { f.ReadInteger("id"), f.ReadString("name", nullptr); } },
        { "the wrong type", [](XGFieldReader& f) { f.ReadBoolean("id"); } },
        { "a field the list lacks", [&](XGFieldReader& f) { f.ReadInteger("id"), f.ReadBoolean("flag"), f.ReadString("name", text), f.ReadInteger("more"); } },
        { "the end before the last field", [](XGFieldReader& f) { f.ReadInteger("id"), f.End(); } },
        { "the code after a field", [](XGFieldReader& f) { f.ReadInteger("id"), f.ReadCode(); } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        XGArgStream stream(kRecord + 4, long(sizeof kRecord) - 4);
        XGFieldReader fields(stream, kList);
        EXPECT_THROW(c.reads(fields), XGPostError);
    }
}

TEST(FieldReader, AFieldOfSeveralValuesIsReadOnceForEachValue)
{
    const unsigned char bytes[] = { 0, 0, 0, 1, 0, 0, 0, 2 };
    const XGSField size[] = { { "size", kFieldInteger, 2 } };
    const XGSFieldList list = { nullptr, size, 1 };
    XGArgStream stream(bytes, long(sizeof bytes));
    XGFieldReader fields(stream, list);
    EXPECT_EQ(fields.ReadInteger("size"), 1);
    EXPECT_THROW(fields.End(), XGPostError);
    EXPECT_EQ(fields.ReadInteger("size"), 2);
    EXPECT_NO_THROW(fields.End());
}

// The launcher's table as xgvres reads it (app/launcher.fields), made known
// to the schema once.
const vres::FieldTable& LauncherFields()
{
    static const vres::FieldTable table = [] {
        std::ifstream in(std::string(KEBO_SOURCE_ROOT) + "/app/launcher.fields", std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        vres::FieldTable parsed = vres::FieldTable::Parse(text.str());
        return parsed;
    }();
    static const bool added = (vres::AddClasses(table.Catalogue()), true);
    (void)added;
    return table;
}

std::vector<std::string> Names(const XGSFieldList& list)
{
    std::vector<std::string> names;
    for (int i = 0; i < XGFieldList::Size(list); i++) {
        const XGSField& field = XGFieldList::At(list, i);
        names.push_back(std::string(field.fName) + "/" + std::to_string(field.fType) + "/" + std::to_string(field.fCount));
    }
    return names;
}

// The program registers its classes from HCYClassFields; the compiler learns
// them from the file. The two must say the same.
TEST(ClassFields, LauncherFileAgreesWithTheLaunchersTable)
{
    const XGSClassCatalogue& file = LauncherFields().Catalogue();
    const XGSClassCatalogue& program = HCYClassFields::gLauncher;
    ASSERT_EQ(file.fCount, program.fCount);
    for (int i = 0; i < program.fCount; i++) {
        const XGSClassFields& entry = program.fClasses[i];
        SCOPED_TRACE(vres::CodeText(uint32_t(entry.fCode)));
        bool window = XGFieldList::IsWindow(*entry.fList);
        const XGSFieldList* list = XGFieldList::Find(file, entry.fCode, window);
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(Names(*list), Names(*entry.fList));
    }
}

// Both catalogues: the framework's and the launcher's.
std::vector<XGSClassFields> AllClasses()
{
    std::vector<XGSClassFields> classes;
    for (const XGSClassCatalogue* catalogue : { &XGClassFields::gFramework, &HCYClassFields::gLauncher })
        classes.insert(classes.end(), catalogue->fClasses, catalogue->fClasses + catalogue->fCount);
    return classes;
}

// A value for each field of the chain that differs from the one before it and
// from what a missing field reads as.
vres::Record RecordFromList(long code, const XGSFieldList& list)
{
    vres::Record record(uint32_t(code), XGFieldList::IsWindow(list));
    for (int i = 0; i < XGFieldList::Size(list); i++) {
        const XGSField& field = XGFieldList::At(list, i);
        std::vector<vres::Value>& values = record.fields[field.fName];
        for (int v = 0; v < field.fCount; v++) {
            if (field.fType == kFieldInteger)
                values.push_back(vres::Value::Integer(-100 * (i + 1) - v));
            else if (field.fType == kFieldBoolean)
                values.push_back(vres::Value::Boolean(true));
            else
                values.push_back(vres::Value::String("field " + std::to_string(i)));
        }
    }
    return record;
}

// Reads the stream as the constructors do: base list first, each through a
// reader of its own, the code before the common fields.
void ReadChain(XGArgStream& stream, const XGSFieldList& list, std::vector<std::string>& out)
{
    if (list.fBase)
        ReadChain(stream, *list.fBase, out);
    XGFieldReader fields(stream, list);
    if (!list.fBase)
        out.push_back("code " + std::to_string(fields.ReadCode()));
    for (int i = 0; i < list.fCount; i++) {
        const XGSField& field = list.fFields[i];
        for (int v = 0; v < field.fCount; v++) {
            std::string value;
            if (field.fType == kFieldInteger) {
                value = std::to_string(fields.ReadInteger(field.fName));
            } else if (field.fType == kFieldBoolean) {
                value = fields.ReadBoolean(field.fName) ? "true" : "false";
            } else {
                char text[256];
                fields.ReadString(field.fName, text);
                value = text;
            }
            out.push_back(std::string(field.fName) + " " + value);
        }
    }
    fields.End();
}

std::vector<std::string> Expected(const vres::Record& record, const XGSFieldList& list)
{
    std::vector<std::string> out = { "code " + std::to_string(long(record.code)) };
    for (int i = 0; i < XGFieldList::Size(list); i++) {
        const XGSField& field = XGFieldList::At(list, i);
        for (const vres::Value& value : record.fields.at(field.fName)) {
            std::string text = value.type == vres::Type::String ? value.text
                : value.type == vres::Type::Boolean ? (value.number ? "true" : "false")
                                                   : std::to_string(value.number);
            out.push_back(std::string(field.fName) + " " + text);
        }
    }
    return out;
}

TEST(ClassFields, EveryClassRecordRoundTripsThroughItsList)
{
    LauncherFields();
    for (const XGSClassFields& entry : AllClasses()) {
        SCOPED_TRACE(vres::CodeText(uint32_t(entry.fCode)));
        vres::Record record = RecordFromList(entry.fCode, *entry.fList);
        std::vector<uint8_t> bytes = vres::Encode(record);
        vres::Record decoded = vres::Decode(bytes, record.window);
        EXPECT_FALSE(decoded.raw);
        EXPECT_EQ(decoded.fields.size(), record.fields.size());
        for (const auto& field : record.fields) {
            ASSERT_EQ(decoded.fields[field.first].size(), field.second.size()) << field.first;
            for (size_t v = 0; v < field.second.size(); v++) {
                EXPECT_EQ(decoded.fields[field.first][v].number, field.second[v].number) << field.first;
                EXPECT_EQ(decoded.fields[field.first][v].text, field.second[v].text) << field.first;
            }
        }
        EXPECT_TRUE(decoded.extra.empty());
        // The factory's stream starts at the class code, 12 bytes into the record.
        XGArgStream stream(bytes.data() + 12, long(bytes.size()) - 12);
        std::vector<std::string> read;
        ReadChain(stream, *entry.fList, read);
        EXPECT_EQ(read, Expected(record, *entry.fList));
        EXPECT_EQ(stream.GetLength(), 0);
    }
}

// A field name stands once in a class's chain, and a code once per kind in
// each catalogue; otherwise the text form could not say which one it means.
TEST(ClassFields, NamesAndCodesAreUnique)
{
    for (const XGSClassCatalogue* catalogue : { &XGClassFields::gFramework, &HCYClassFields::gLauncher }) {
        std::set<std::pair<long, bool>> codes;
        for (int c = 0; c < catalogue->fCount; c++) {
            const XGSClassFields& entry = catalogue->fClasses[c];
            SCOPED_TRACE(vres::CodeText(uint32_t(entry.fCode)));
            EXPECT_TRUE(codes.insert({ entry.fCode, XGFieldList::IsWindow(*entry.fList) }).second);
            std::set<std::string> names;
            for (int i = 0; i < XGFieldList::Size(*entry.fList); i++) {
                const XGSField& field = XGFieldList::At(*entry.fList, i);
                EXPECT_TRUE(names.insert(field.fName).second) << field.fName;
                EXPECT_GE(field.fCount, 1) << field.fName;
            }
        }
    }
}

// An application's classes become known to the compiler once added.
TEST(ClassFields, AddedApplicationClassesAreCompiledByName)
{
    static const XGSField own[] = { { "speed", kFieldInteger, 1 } };
    static const XGSFieldList list = { &XGFieldList::gView, own, 1 };
    static const XGSClassFields classes[] = { { 'tapp', &list } };
    static const XGSClassCatalogue catalogue = { classes, 1 };
    vres::Record record('tapp', false);
    record.Set("speed", { 9 });
    EXPECT_THROW(vres::Encode(record), vres::Error);
    vres::AddClasses(catalogue);
    std::vector<uint8_t> bytes = vres::Encode(record);
    ASSERT_EQ(bytes.size(), 16u + 38u + 4u);
    EXPECT_EQ(bytes.back(), 9);
}

} // namespace
