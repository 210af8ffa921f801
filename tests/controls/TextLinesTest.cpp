#include "controls/XGTextLines.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Ten pixels per character; accelerator marks take no room, as in StringWidthA.
int32_t TenPixelsPerChar(void*, const char* text, int32_t length)
{
    int32_t width = 0;
    for (int32_t i = 0; i < length; ++i)
        if (text[i] != '&')
            width += 10;
    return width;
}

// Splits the text the way DrawLines walks it.
std::vector<std::string> Lines(const char* text, int32_t width)
{
    std::vector<std::string> lines;
    for (;;) {
        int32_t n = XGTextLines::LineLength(text, width, TenPixelsPerChar, nullptr);
        lines.emplace_back(text, size_t(n));
        text += n;
        text += XGTextLines::SkipBreaks(text, 0);
        if (*text == 0)
            return lines;
    }
}

struct WrapCase {
    const char* text;
    int32_t width;
    std::vector<std::string> lines;
};

TEST(TextLines, WrapsWordsBreaksAndCollapsesEmptyLines)
{
    const WrapCase cases[] = {
        {"one two", 100, {"one two"}},
        {"one two", 50, {"one", "two"}},                 // too narrow for both
        {"enormous", 20, {"enormous"}},                  // a lone word is never split
        {"one\n\ntwo", 200, {"one", "two"}},             // empty line collapses
        {"a b c d", 30, {"a b", "c d"}},                 // "a b" is exactly 30
        {"  lead", 200, {"  lead"}},                     // leading blanks stay
        {"tail  ", 200, {"tail  "}},                     // trailing blanks taken
        {"&File &Edit", 90, {"&File &Edit"}},            // marks are not measured
        {"&File &Edit", 80, {"&File", "&Edit"}},
        {"x\ty z", 30, {"x\ty", "z"}},
    };
    for (const WrapCase& c : cases)
        EXPECT_EQ(c.lines, Lines(c.text, c.width)) << c.text << " in " << c.width;
}

TEST(TextLines, LineBreakEndsLineBeforeTheBreak)
{
    EXPECT_EQ(3, XGTextLines::LineLength("abc\ndef", 1000, TenPixelsPerChar, nullptr));
    EXPECT_EQ(4, XGTextLines::LineLength("abc \ndef", 1000, TenPixelsPerChar, nullptr));
    EXPECT_EQ(0, XGTextLines::LineLength("\nabc", 1000, TenPixelsPerChar, nullptr));
}

TEST(TextLines, SkipSpaceStopsAtLineBreakButSkipBreaksDoesNot)
{
    EXPECT_EQ(2, XGTextLines::SkipSpace(" \t\nx", 0));
    EXPECT_EQ(3, XGTextLines::SkipBreaks(" \t\nx", 0));
    EXPECT_EQ(3, XGTextLines::NextWord("abc def", 0));
    EXPECT_EQ(3, XGTextLines::NextWord("abc", 0));
}

}  // namespace
