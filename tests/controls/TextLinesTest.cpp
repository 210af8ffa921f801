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

// Twenty pixels a character beyond ASCII, ten otherwise.
int32_t ByCharacter(void*, const char* text, int32_t length)
{
    int32_t width = 0;
    for (int32_t i = 0; i < length; ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x80)
            width += 10;
        else if (c >= 0xC0)
            width += 20;
    }
    return width;
}

TEST(TextLines, JapaneseBreaksBetweenCharactersButNotBeforeClosingMarks)
{
    // 日本語の文章です。 in 80 pixels: four characters a line, the full stop
    // kept with the character before it.
    const std::string text = "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\xE3\x81\xAE"
                             "\xE6\x96\x87\xE7\xAB\xA0\xE3\x81\xA7\xE3\x81\x99\xE3\x80\x82";
    std::vector<std::string> lines;
    const char* at = text.c_str();
    for (;;) {
        int32_t n = XGTextLines::LineLength(at, 80, ByCharacter, nullptr);
        lines.emplace_back(at, size_t(n));
        at += n;
        at += XGTextLines::SkipBreaks(at, 0);
        if (*at == 0)
            break;
    }
    EXPECT_EQ(lines, (std::vector<std::string>{text.substr(0, 12), text.substr(12, 9), text.substr(21)}));
    // Latin words beside them stay whole; an accented letter is no break.
    EXPECT_EQ(XGTextLines::NextWord("caf\xC3\xA9\xE6\x97\xA5", 0), 5);
    EXPECT_EQ(XGTextLines::NextWord("\xE6\x97\xA5\xE3\x80\x82x", 0), 6);
}

}  // namespace
