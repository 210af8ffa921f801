#include "dialogs/XGDialogText.h"
#include <gtest/gtest.h>
#include <cstring>
#include <string>

namespace {

std::string Modify(const char* text, const char* s0 = "T", const char* s1 = "M")
{
    char buffer[XGDialogText::kBufferSize];
    std::strcpy(buffer, text);
    const char* strings[4] = {s0, s1, "two", "three"};
    XGDialogText::ModifyText(buffer, strings);
    return buffer;
}

TEST(DialogText, ReplacesPlaceholdersZeroToThree)
{
    struct { const char* text; const char* result; } cases[] = {
        {"^0: ^1", "T: M"},
        {"^2^3", "twothree"},
        {"^4 stays", "^4 stays"},
        {"^x stays", "^x stays"},
        {"ends with ^", "ends with ^"},
        {"^^0", "^T"},
        {"", ""},
    };
    for (auto& c : cases)
        EXPECT_EQ(c.result, Modify(c.text)) << c.text;
}

TEST(DialogText, ResultIsCutAt255Characters)
{
    std::string lengthy(300, 'x');
    std::string result = Modify("^0^1", lengthy.c_str(), lengthy.c_str());
    EXPECT_EQ(std::string(255, 'x'), result);
}

TEST(DialogText, NullStringStandsForNothing)
{
    EXPECT_EQ("a  b", Modify("a ^0 b", nullptr));
}

}  // namespace
