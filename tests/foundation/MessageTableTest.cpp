#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include <vector>
#include "FoundationTestSupport.h"
#include "foundation/XGResource.h"

namespace {

// A table in the resource format: big-endian count, then length-prefixed texts.
std::vector<unsigned char> Table(int16_t count, const std::vector<std::string>& texts)
{
    std::vector<unsigned char> bytes = {uint8_t(uint16_t(count) >> 8), uint8_t(count)};
    for (const std::string& text : texts) {
        bytes.push_back(uint8_t(text.size()));
        bytes.insert(bytes.end(), text.begin(), text.end());
    }
    return bytes;
}

} // namespace

TEST(cvtp2c, CopiesCharactersAndTerminates)
{
    const unsigned char source[] = {3, 'a', 'b', 'c', 'X'};
    char dest[8];
    memset(dest, '*', sizeof dest);
    EXPECT_EQ(dest, cvtp2c(dest, source));
    EXPECT_STREQ("abc", dest);
    const unsigned char empty[] = {0};
    EXPECT_STREQ("", cvtp2c(dest, empty));
}

TEST(ReadResourceMessage, FindsEntryByWalkingEarlierOnes)
{
    std::vector<unsigned char> table = Table(3, {"t0", "m0", "", "m1", "title two", "message two"});
    table.push_back(0xEE); // bytes after the last entry are ignored
    char title[256], message[256];
    ASSERT_TRUE(ReadResourceMessage(table.data(), table.size(), 2, title, message));
    EXPECT_STREQ("title two", title);
    EXPECT_STREQ("message two", message);
    ASSERT_TRUE(ReadResourceMessage(table.data(), table.size(), 1, title, message));
    EXPECT_STREQ("", title);
    EXPECT_STREQ("m1", message);
}

TEST(ReadResourceMessage, IndexOutsideCountLeavesBuffersUntouched)
{
    std::vector<unsigned char> table = Table(1, {"t", "m"});
    for (int16_t index : {int16_t(-1), int16_t(1), int16_t(32767)}) {
        char title[256] = "keep", message[256] = "keep";
        EXPECT_FALSE(ReadResourceMessage(table.data(), table.size(), index, title, message)) << index;
        EXPECT_STREQ("keep", title);
        EXPECT_STREQ("keep", message);
    }
}

TEST(ReadResourceMessage, TruncatedTableReadsAsMissing)
{
    const std::vector<unsigned char> full = Table(2, {"first", "entry", "second", "entry"});
    char title[256], message[256];
    // Every cut that leaves the wanted entry incomplete must fail without reading past
    // the given size (the sanitizer checks the reads; the copy has no slack behind it).
    for (size_t size = 0; size < full.size(); ++size) {
        std::vector<unsigned char> cut(full.begin(), full.begin() + long(size));
        unsigned char* exact = cut.empty() ? nullptr : new unsigned char[size];
        if (exact)
            memcpy(exact, cut.data(), size);
        bool found = ReadResourceMessage(exact, size, 1, title, message);
        delete[] exact;
        EXPECT_FALSE(found) << "size " << size;
    }
    // The count claims more entries than the bytes hold.
    std::vector<unsigned char> boastful = Table(5, {"a", "b"});
    EXPECT_TRUE(ReadResourceMessage(boastful.data(), boastful.size(), 0, title, message));
    EXPECT_FALSE(ReadResourceMessage(boastful.data(), boastful.size(), 1, title, message));
}

TEST(GetResourceMessage, FrameworkTableHoldsAll23Entries)
{
    for (const ExpectedMessage& expected : kExpectedMessages) {
        char title[256], message[256];
        ASSERT_TRUE(GetResourceMessage(128, int16_t(expected.index), title, message)) << expected.index;
        EXPECT_STREQ(expected.title, title) << expected.index;
        EXPECT_STREQ(expected.message, message) << expected.index;
    }
}

TEST(GetResourceMessage, LaterMessagesLiveInTheirOwnTable)
{
    char title[256], message[256];
    ASSERT_TRUE(GetResourceMessage(129, 0, title, message));
    EXPECT_STREQ("Unable to create window", title);
    EXPECT_STREQ("Windows could not create the window (system error #1L).", message);
    ASSERT_TRUE(GetResourceMessage(int16_t(kErrClipboard >> 16), int16_t(kErrClipboard & 0xFFFF), title, message));
    EXPECT_STREQ("Clipboard Error", title);
    EXPECT_EQ(0, strncmp("The clipboard is in use", message, 23)) << message;
    EXPECT_FALSE(GetResourceMessage(129, int16_t((kErrBadWindowKind & 0xFFFF) + 1), title, message));
    XGPostError error(kErrWindowNotCreated, 1407);
    EXPECT_EQ("Windows could not create the window (system error 1407).", std::string(XGPostError::gLMessage));
}

TEST(GetResourceMessage, IndexPastTableOrNegativeOrMissingResourceIsFalse)
{
    char title[256] = "keep", message[256] = "keep";
    EXPECT_FALSE(GetResourceMessage(128, 23, title, message));
    EXPECT_FALSE(GetResourceMessage(128, -1, title, message));
    EXPECT_FALSE(GetResourceMessage(4321, 0, title, message));
    EXPECT_STREQ("keep", title);
    EXPECT_STREQ("keep", message);
    ASSERT_TRUE(GetResourceMessage(128, 22, title, message));
    EXPECT_STREQ("Overwrite File?", title);
}
