#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include "FoundationTestSupport.h"
#include "foundation/XGError.h"

TEST(XGPostError, FormatsTitleAndMessageFromTable)
{
    XGPostError error(kErrNoWindowFactory, 'dlog');
    EXPECT_EQ(kAlertError, error.GetAlertType());
    char title[256], message[256];
    error.GetShortError(title);
    error.GetLongError(message);
    EXPECT_STREQ("Unable to create window", title);
    EXPECT_STREQ("Internal software error: The window factory for 'dlog' was not found.", message);
}

TEST(XGPostError, NewErrorOverwritesTextsOfEarlierOne)
{
    XGPostError first(kErrFileOpen, "a.txt");
    XGPostError second(kErrFileRead, "b.txt");
    char message[256];
    first.GetLongError(message);
    EXPECT_STREQ("Unable to read data from file b.txt", message);
}

TEST(XGPostError, UnknownCodeGivesEmptyTexts)
{
    XGPostError error(0x7FFF0001u);
    EXPECT_EQ("", LastTitle());
    EXPECT_STREQ("", XGPostError::gLMessage);
    XGPostError pastEnd(0x800000u + 23);
    EXPECT_EQ("", LastTitle());
}

TEST(XGPostError, LongArgumentIsCutAtSharedBufferEnd)
{
    // The guard bytes behind the shared buffers are not ours to check directly; the
    // sanitizer would report a write past gLMessage. What we can see is the cut.
    const std::string path(2000, 'p');
    XGPostError error(kErrFileOpen, path.c_str());
    EXPECT_EQ(511u, strlen(XGPostError::gLMessage));
    EXPECT_EQ(0, strncmp(XGPostError::gLMessage, "Unable to open file ppp", 23));
    char message[256];
    memset(message, '*', sizeof message);
    error.GetLongError(message);
    EXPECT_EQ(255u, strnlen(message, sizeof message));
}

TEST(XGPostError, ArgumentListConstructorReadsPointerSizedValues)
{
    struct Maker {
        static XGPostError Make(uint32_t code, ...)
        {
            va_list args;
            va_start(args, code);
            XGPostError error(code, XGArgList{&args});
            va_end(args);
            return error;
        }
    };
    Maker::Make(kErrAssertion, XGArg("x != 0"), XGArg("XGFont"), XGArg(122));
    EXPECT_STREQ("Internal software error (x != 0) at XGFont 122", XGPostError::gLMessage);
    EXPECT_EQ("Assertion Failure", LastTitle());
}

TEST(XGPostError, CopiesKeepAlertType)
{
    XGPostError error(kErrFileMissing, "x");
    error.SetAlertType(kAlertCaution);
    XGPostError copy = error;
    EXPECT_EQ(kAlertCaution, copy.GetAlertType());
}

TEST(_InlineError, ThrowsAssertionFailureWithConditionFileAndLine)
{
    EXPECT_EQ("Internal software error (index >= 0) at XGArray 90",
        ThrownMessage([] { _InlineError("index >= 0", "XGArray", 90); }));
    EXPECT_EQ("Assertion Failure", LastTitle());
}

TEST(XG_ASSERT, ReportsConditionAsWrittenAndPassesWhenTrue)
{
    void* menu = nullptr;
    int count = 1;
    XG_ASSERT(count == 1, "XGMenuBar", 1);
    EXPECT_EQ("Internal software error (menu != NULL) at XGMenuBar 475",
        ThrownMessage([&] { XG_ASSERT(menu != NULL, "XGMenuBar", 475); }));
    EXPECT_EQ("Internal software error (0) at XGView 688", ThrownMessage([] { XG_ASSERT(0, "XGView", 688); }));
}

TEST(XGAbort, HasFixedTextsAndIsAnXGError)
{
    try {
        throw XGAbort();
    } catch (const XGError& error) {
        char title[256], message[256];
        error.GetShortError(title);
        error.GetLongError(message);
        EXPECT_STREQ("Procedure aborted", title);
        EXPECT_STREQ("The operation was aborted.", message);
        error.DisplayError();
    }
}
