#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include "FoundationTestSupport.h"
#include "foundation/XGStringList.h"

TEST(XGStringList, AppendWritesLengthCharactersAndExtra)
{
    XGStringList list(1);
    list.AppendString("ab", "x");
    list.AppendString("c", "y");
    EXPECT_EQ(2, list.GetNumStrings());
    EXPECT_EQ(std::string("\2abx\1cy", 7), std::string(*list, list.GetSize()));
    char buffer[256];
    list.GetString(1, buffer);
    EXPECT_STREQ("c", buffer);
    list.GetString(0, buffer);
    EXPECT_STREQ("ab", buffer);
}

TEST(XGStringList, ExtraDataReadsAndWritesPerEntry)
{
    XGStringList list(2);
    list.AppendString("one");
    list.AppendString("two", "\7\x08");
    list.SetExtra(0, "\1\2");
    char extra[2];
    list.GetExtra(0, extra);
    EXPECT_EQ(0, memcmp(extra, "\1\2", 2));
    list.GetExtra(1, extra);
    EXPECT_EQ(0, memcmp(extra, "\7\x08", 2));
    char text[256];
    list.GetString(1, text);
    EXPECT_STREQ("two", text);
}

TEST(XGStringList, AppendCutsTextAt255Characters)
{
    XGStringList list;
    list.AppendString(std::string(300, 'z').c_str());
    char text[256];
    list.GetString(0, text);
    EXPECT_EQ(std::string(255, 'z'), text);
}

TEST(XGStringList, BadIndexReportsOverflowAndLeavesBufferAlone)
{
    XGStringList list(1);
    list.AppendString("a", "e");
    for (int32_t index : {-1, 1}) {
        char buffer[4] = "old";
        EXPECT_EQ("Internal software error: string index out of range",
            ThrownMessage([&] { list.GetString(index, buffer); }));
        EXPECT_EQ("String list overflow", LastTitle());
        EXPECT_STREQ("old", buffer);
        EXPECT_EQ("Internal software error: string index out of range",
            ThrownMessage([&] { list.SetExtra(index, "q"); }));
    }
}

TEST(XGStringList, ExtraWithoutExtraSizeReportsErrorBeforeIndex)
{
    XGStringList list;
    list.AppendString("a");
    char extra[1];
    EXPECT_EQ("Internal software error: no extra data was stored with string",
        ThrownMessage([&] { list.GetExtra(5, extra); }));
    EXPECT_EQ("String list error", LastTitle());
    EXPECT_EQ("Internal software error: no extra data was stored with string",
        ThrownMessage([&] { list.SetExtra(0, extra); }));
}

TEST(XGStringList, CorruptLengthReadsAsOutOfRangeNotPastHandle)
{
    XGStringList list;
    list.AppendString("ab");
    list.AppendString("cd");
    list.SetChar(3, char(200)); // second entry claims 200 characters in a 6-byte handle
    char buffer[256];
    list.GetString(0, buffer);
    EXPECT_STREQ("ab", buffer);
    EXPECT_EQ("Internal software error: string index out of range",
        ThrownMessage([&] { list.GetString(1, buffer); }));
}

TEST(XGStringList, DeleteAllEmptiesHandleAndCount)
{
    XGStringList list;
    list.AppendString("a");
    list.DeleteAll();
    EXPECT_EQ(0, list.GetNumStrings());
    EXPECT_EQ(0u, list.GetSize());
    list.AppendString("b");
    char buffer[256];
    list.GetString(0, buffer);
    EXPECT_STREQ("b", buffer);
}
