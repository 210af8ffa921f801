#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "controls/XGTextEngine.h"

namespace {

// Ten pixels a character, 'W' thirty; tab stops every 80 pixels from the
// line's start.
class FixedMeasure : public XGTextMeasure {
public:
    int32_t TextWidth(const char* text, uint32_t length, int32_t startWidth) override
    {
        int32_t x = startWidth;
        for (uint32_t i = 0; i < length; ++i) {
            if (text[i] == '\t')
                x = (x / 80 + 1) * 80;
            else
                x += text[i] == 'W' ? 30 : 10;
        }
        return x;
    }
};

struct Text {
    explicit Text(const std::string& bytes) : handle(0, 0)
    {
        handle.Append(uint32_t(bytes.size()), bytes.data());
        engine.SetTextHandle(&handle);
    }
    std::vector<int32_t> Breaks() const
    {
        std::vector<int32_t> out;
        for (int32_t k = 0; k < engine.GetBreakCount(); ++k)
            out.push_back(engine.GetBreak(k));
        return out;
    }
    std::string Bytes() const { return std::string(*handle, handle.GetSize()); }
    // Replaces [start, end) and patches the table as an edit does.
    void Edit(int32_t start, int32_t end, const std::string& with, bool wrap, int32_t width)
    {
        engine.Replace(start, end, with.data(), int32_t(with.size()));
        engine.RecalcStarts(start, end, int32_t(with.size()), wrap, width, &measure);
    }
    XGHandle handle;
    XGTextEngine engine;
    FixedMeasure measure;
};

std::vector<int32_t> FullLayout(const std::string& bytes, bool wrap, int32_t width)
{
    Text text(bytes);
    text.engine.RecalcLineStarts(wrap, width, &text.measure);
    return text.Breaks();
}

TEST(TextEngine, EmptyTextHasOneEmptyLine)
{
    Text text("");
    text.engine.RecalcLineStarts(false, 100, nullptr);
    EXPECT_EQ(text.engine.GetNumLines(), 1);
    EXPECT_EQ(text.engine.GetLineOffset(0), 0);
    EXPECT_EQ(text.engine.GetLineLength(0), 0);
    EXPECT_EQ(text.engine.FindLine(0), 0);
}

TEST(TextEngine, HardLinesExcludeTheirLineFeed)
{
    Text text("ab\ncde\n");
    text.engine.RecalcLineStarts(false, 100, nullptr);
    EXPECT_EQ(text.Breaks(), (std::vector<int32_t>{2, 6}));
    ASSERT_EQ(text.engine.GetNumLines(), 3);
    EXPECT_EQ(text.engine.GetLineOffset(1), 3);
    EXPECT_EQ(text.engine.GetLineLength(0), 2);
    EXPECT_EQ(text.engine.GetLineLength(1), 3);
    EXPECT_EQ(text.engine.GetLineOffset(2), 7);
    EXPECT_EQ(text.engine.GetLineLength(2), 0);
}

TEST(TextEngine, LineQueriesOutsideTheTextStayWithinIt)
{
    Text text("ab\ncd");
    text.engine.RecalcLineStarts(false, 100, nullptr);
    EXPECT_EQ(text.engine.GetLineOffset(-4), 0);
    EXPECT_EQ(text.engine.GetLineOffset(9), 5);
    EXPECT_EQ(text.engine.GetLineLength(-1), 0);
    EXPECT_EQ(text.engine.GetLineLength(9), 0);
    EXPECT_EQ(text.engine.FindLine(-7), 0);
    EXPECT_EQ(text.engine.FindLine(2), 0);   // the line feed belongs to its line
    EXPECT_EQ(text.engine.FindLine(3), 1);
    EXPECT_EQ(text.engine.FindLine(500), 1);
}

TEST(TextEngine, WithoutTextNothingIsLaidOutOrMeasured)
{
    XGTextEngine engine;
    FixedMeasure measure;
    engine.RecalcLineStarts(true, 50, &measure);
    engine.RecalcStarts(0, 3, 2, true, 50, &measure);
    engine.Replace(0, 3, "xy", 2);
    EXPECT_EQ(engine.GetNumLines(), 1);
    EXPECT_EQ(engine.GetTextSize(), 0);
    EXPECT_EQ(engine.FindOffset(0, 40, 2, measure), 0);
}

struct WrapCase {
    const char* text;
    int32_t width;
    std::vector<int32_t> breaks;
};

class WordWrap : public testing::TestWithParam<WrapCase> {};

TEST_P(WordWrap, BreaksWhereTheLineOverflows)
{
    const WrapCase& c = GetParam();
    EXPECT_EQ(FullLayout(c.text, true, c.width), c.breaks) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    TextEngine, WordWrap,
    testing::Values(
        // after the last space that fits
        WrapCase{"aaa bbb ccc", 50, {3, 7}},
        // trailing spaces never wrap
        WrapCase{"aaaaa        ", 50, {}},
        // a word wider than the line: the overflowing character stays up
        WrapCase{"abcdefgh", 50, {5}},
        // a line feed ends the measured line
        WrapCase{"aaaa\naaaa", 50, {4}},
        // a character wider than the line keeps the next one with it...
        WrapCase{"WWx", 20, {1}},
        WrapCase{"W x", 20, {1}},
        // ...but a line feed or the text end after it makes no extra break
        WrapCase{"W\nx", 20, {1}},
        WrapCase{"W", 20, {}},
        // what a wrap moves down is measured at once: still too wide, it breaks again
        WrapCase{"x bbbW", 50, {1, 5}}));

TEST(TextEngine, WrappedLineLengthIncludesItsBreakCharacter)
{
    Text text("aaa bbb ccc");
    text.engine.RecalcLineStarts(true, 50, &text.measure);
    EXPECT_EQ(text.engine.GetLineLength(0), 4);
    EXPECT_EQ(text.engine.GetLineLength(1), 4);
    EXPECT_EQ(text.engine.GetLineLength(2), 3);
    EXPECT_EQ(text.engine.FindLine(4), 1);
}

struct OffsetCase {
    int32_t x;
    int32_t offset;
    bool beyond;
};

class HitTest : public testing::TestWithParam<OffsetCase> {};

// "abc" with a 2-pixel margin: characters at 2..12, 12..22, 22..32.
TEST_P(HitTest, LeftHalfBeforeRightHalfAfter)
{
    Text text("abc\nde");
    text.engine.RecalcLineStarts(false, 100, nullptr);
    bool beyond = true;
    EXPECT_EQ(text.engine.FindOffset(0, GetParam().x, 2, text.measure, &beyond), GetParam().offset);
    EXPECT_EQ(beyond, GetParam().beyond);
}

INSTANTIATE_TEST_SUITE_P(TextEngine, HitTest,
                         testing::Values(OffsetCase{-30, 0, false}, OffsetCase{6, 0, false},
                                         OffsetCase{7, 1, false}, OffsetCase{16, 1, false},
                                         OffsetCase{17, 2, false}, OffsetCase{26, 2, false},
                                         OffsetCase{27, 3, true}, OffsetCase{400, 3, true}));

TEST(TextEngine, HitTestOutsideTheLinesClampsToTheText)
{
    Text text("abc\nde");
    text.engine.RecalcLineStarts(false, 100, nullptr);
    EXPECT_EQ(text.engine.FindOffset(-1, 20, 2, text.measure), 0);
    EXPECT_EQ(text.engine.FindOffset(2, 0, 2, text.measure), 6);
    EXPECT_EQ(text.engine.FindOffset(1, 400, 2, text.measure), 6);
}

TEST(TextEngine, PixelsCountTabStopsFromTheLineStart)
{
    Text text("xy\na\tb");
    text.engine.RecalcLineStarts(false, 100, nullptr);
    EXPECT_EQ(text.engine.FindPixel(3, 2, text.measure), 2);
    EXPECT_EQ(text.engine.FindPixel(5, 2, text.measure), 82);
    EXPECT_EQ(text.engine.FindPixel(6, 2, text.measure), 92);
    EXPECT_EQ(text.engine.FindPixel(60, 2, text.measure), 92);
    EXPECT_EQ(text.engine.LineWidth(1, text.measure), 90);
}

struct EditCase {
    const char* before;
    int32_t start;
    int32_t end;
    const char* with;
};

class IncrementalLayout : public testing::TestWithParam<EditCase> {};

TEST_P(IncrementalLayout, PatchedTableEqualsAFreshLayout)
{
    const EditCase& c = GetParam();
    for (bool wrap : {false, true}) {
        Text text(c.before);
        text.engine.RecalcLineStarts(wrap, 50, &text.measure);
        text.Edit(c.start, c.end, c.with, wrap, 50);
        EXPECT_EQ(text.Breaks(), FullLayout(text.Bytes(), wrap, 50))
            << (wrap ? "wrap " : "") << '"' << text.Bytes() << '"';
    }
}

INSTANTIATE_TEST_SUITE_P(
    TextEngine, IncrementalLayout,
    testing::Values(EditCase{"", 0, 0, "a\nb"}, EditCase{"ab\ncd\nef", 1, 7, ""},
                    EditCase{"ab\ncd\nef", 3, 3, "x\ny\n"}, EditCase{"ab\ncd\nef", 2, 3, ""},
                    EditCase{"aaa bbb ccc ddd", 4, 8, ""},           // words move up
                    EditCase{"aaa bbb ccc ddd", 2, 2, "xxxxxx "},    // words move down
                    EditCase{"aaaa bbbb\ncc dd ee ff", 12, 12, "\n"},
                    EditCase{"aaa bbb ccc", 11, 11, "     "}));      // trailing spaces

TEST(TextEngine, TypedSpacesAtTheEndOfAFullLineNeverMoveIt)
{
    Text text("aaa bbbb");
    text.engine.RecalcLineStarts(true, 80, &text.measure);
    ASSERT_EQ(text.Breaks(), std::vector<int32_t>{});
    for (int k = 0; k < 5; ++k)
        text.Edit(int32_t(text.handle.GetSize()), int32_t(text.handle.GetSize()), " ", true, 80);
    EXPECT_EQ(text.Breaks(), std::vector<int32_t>{});
}

TEST(TextEngine, ReplaceClampsItsRangeToTheText)
{
    Text text("abc");
    text.engine.Replace(5, -2, "xy", 2);
    EXPECT_EQ(text.Bytes(), "xy");
    text.engine.Replace(9, 12, "z", 1);
    EXPECT_EQ(text.Bytes(), "xyz");
}

TEST(TextEngine, WordBreaksLieBetweenLettersOrDigitsAndOtherCharacters)
{
    const char* text = "ab, 9c";
    const std::vector<bool> expected = {true, false, true, false, true, false, true};
    for (int32_t offset = 0; offset <= 6; ++offset)
        EXPECT_EQ(XGTextEngine::IsWordBreakAt(text, 6, offset), expected[size_t(offset)]) << offset;
}

struct ClipCase {
    std::string in;
    std::string out;
};

TEST(TextEngine, ClipboardTextUsesCarriageReturnLineFeed)
{
    const ClipCase cases[] = {{"a\nb", "a\r\nb"},     {"a\rb", "a\r\nb"},
                              {"a\r\nb", "a\r\nb"},   {"a\n\rb", "a\r\nb"},
                              {"a\n\nb", "a\r\n\r\nb"}, {"\n", "\r\n"}};
    for (const ClipCase& c : cases)
        EXPECT_EQ(XGTextEngine::ToClipboardText(c.in.data(), uint32_t(c.in.size())), c.out);
}

TEST(TextEngine, ClipboardTextBecomesLineFeedsAndStopsAtZero)
{
    const ClipCase cases[] = {{"a\r\nb", "a\nb"},
                              {"a\rb", "a\nb"},
                              // text from programs that end lines with a bare
                              // line feed keeps its lines
                              {"a\nb", "a\nb"},
                              {std::string("ab\0cd", 5), "ab"},
                              {"x\r", "x\n"}};
    for (const ClipCase& c : cases) {
        XGHandle out(0, 0);
        out.Append(3, "old");
        XGTextEngine::FromClipboardText(c.in.data(), uint32_t(c.in.size()), out);
        EXPECT_EQ(std::string(*out, out.GetSize()), c.out);
    }
}

TEST(TextEngine, ClipboardReadingStopsAtTheBlockSizeWithoutTerminator)
{
    const char block[4] = {'a', 'b', 'c', 'd'};
    XGHandle out(0, 0);
    XGTextEngine::FromClipboardText(block, 3, out);
    EXPECT_EQ(std::string(*out, out.GetSize()), "abc");
}

TEST(TextEngine, DividingUpwardRoundsOnlyPositiveNumbers)
{
    EXPECT_EQ(XGTextEngine::DivUp(1, 16), 1);
    EXPECT_EQ(XGTextEngine::DivUp(16, 16), 1);
    EXPECT_EQ(XGTextEngine::DivUp(17, 16), 2);
    EXPECT_EQ(XGTextEngine::DivUp(0, 16), 0);
    EXPECT_EQ(XGTextEngine::DivUp(-17, 16), -1);
    EXPECT_EQ(XGTextEngine::DivUp(5, 0), 0);
}

}  // namespace
