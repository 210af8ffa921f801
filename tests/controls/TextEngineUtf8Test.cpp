// The editor's rules on text beyond ASCII: nothing it computes lands inside
// a character or splits a cluster.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/XGTabMeasure.h"
#include "controls/XGTextClusters.h"
#include "controls/XGTextEngine.h"
#include "foundation/XGUtf8.h"

namespace {

// ASCII ten pixels a character, any other character twenty, marks and
// joiners none; each character's width counts from its last byte on, and
// tab stops come every 80 pixels.
class CharacterMeasure : public XGTabMeasure {
public:
    CharacterMeasure() : XGTabMeasure(80) {}
    int fRunsWithCutCharacters = 0;

protected:
    int32_t RunWidth(const char* text, uint32_t length, int32_t* partial) override
    {
        if (!XGUtf8::IsValid(text, length))
            ++fRunsWithCutCharacters;
        int32_t x = 0;
        for (uint32_t i = 0; i < length;) {
            size_t n;
            char32_t c = XGUtf8::Decode(text, length, i, &n);
            for (size_t k = 0; k + 1 < n; ++k)
                partial ? void(partial[i + k] = x) : void();
            x += c < 0x80 ? 10 : (c == 0x200D || XGTextClusters::IsExtend(c)) ? 0 : 20;
            if (partial)
                partial[i + n - 1] = x;
            i += uint32_t(n);
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
    XGHandle handle;
    XGTextEngine engine;
    CharacterMeasure measure;
};

const std::string kNihongo = "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E";  // 日本語
const std::string kNoTekisuto = "\xE3\x81\xAE\xE3\x83\x86\xE3\x82\xAD\xE3\x82\xB9\xE3\x83\x88";  // のテキスト
const std::string kAcute = "\xCC\x81";
const std::string kThumbsUpToned = "\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD";

// Backspace at a caret takes the cluster before it.
struct DeleteCase {
    std::string text;
    size_t caret;
    std::string after;
};

class Backspace : public testing::TestWithParam<DeleteCase> {};

TEST_P(Backspace, RemovesTheWholeClusterBeforeTheCaret)
{
    const DeleteCase& c = GetParam();
    Text text(c.text);
    size_t from = XGTextClusters::Previous(c.text.data(), c.text.size(), c.caret);
    text.engine.Replace(int32_t(from), int32_t(c.caret), nullptr, 0);
    EXPECT_EQ(text.Bytes(), c.after);
    EXPECT_TRUE(XGUtf8::IsValid(text.Bytes()));
}

INSTANTIATE_TEST_SUITE_P(
    TextEngineUtf8, Backspace,
    testing::Values(DeleteCase{"caf\xC3\xA9 \xE2\x98\x95", 9, "caf\xC3\xA9 "},
                    DeleteCase{"caf\xC3\xA9 \xE2\x98\x95", 5, "caf \xE2\x98\x95"},
                    DeleteCase{"cafe" + kAcute + "!", 6, "caf!"},
                    DeleteCase{kNihongo, 6, "\xE6\x97\xA5\xE8\xAA\x9E"},
                    DeleteCase{"a" + kThumbsUpToned, 9, "a"},
                    DeleteCase{"\xCE\xA9mega", 2, "mega"}));

struct WordCase {
    std::string text;
    int32_t at;
    int32_t start;
    int32_t end;
};

class Words : public testing::TestWithParam<WordCase> {};

// The word around an offset, found as a double click finds it: back and
// forward by clusters to the nearest breaks.
TEST_P(Words, WordAroundAnOffsetEndsWhereItsKindChanges)
{
    const WordCase& c = GetParam();
    const char* text = c.text.data();
    int32_t size = int32_t(c.text.size());
    int32_t start = c.at, end = c.at;
    while (start > 0 && !XGTextEngine::IsWordBreakAt(text, size, start))
        start = int32_t(XGTextClusters::Previous(text, size_t(size), size_t(start)));
    while (end < size && !XGTextEngine::IsWordBreakAt(text, size, end))
        end = int32_t(XGTextClusters::Next(text, size_t(size), size_t(end)));
    EXPECT_EQ(start, c.start);
    EXPECT_EQ(end, c.end);
}

INSTANTIATE_TEST_SUITE_P(
    TextEngineUtf8, Words,
    testing::Values(
        // letters with accents are letters
        WordCase{"un caf\xC3\xA9 noir", 4, 3, 8}, WordCase{"un cafe" + kAcute + " noir", 5, 3, 9},
        WordCase{"na\xC3\xAFve", 1, 0, 6}, WordCase{"\xCE\xA9mega-x", 2, 0, 6},
        // ideographs, hiragana and katakana are words of their own
        WordCase{kNihongo + kNoTekisuto, 3, 0, 9}, WordCase{kNihongo + kNoTekisuto, 15, 12, 24},
        // punctuation, spaces and emoji are not letters
        WordCase{"ab\xE3\x80\x82" "cd", 1, 0, 2}, WordCase{"x " + kThumbsUpToned + " y", 2, 1, 11}));

TEST(TextEngineUtf8, WordBreaksNeverFallInsideACluster)
{
    const std::string text = "ab" + kNihongo + "e" + kAcute + kThumbsUpToned + "z";
    for (size_t offset = 0; offset <= text.size(); ++offset) {
        if (XGTextEngine::IsWordBreakAt(text.data(), int32_t(text.size()), int32_t(offset)))
            EXPECT_TRUE(XGTextClusters::IsBoundary(text.data(), text.size(), offset)) << offset;
    }
}

struct WrapCase {
    std::string text;
    int32_t width;
    std::vector<int32_t> breaks;
};

class Wrap : public testing::TestWithParam<WrapCase> {};

TEST_P(Wrap, LinesBreakOnlyBetweenClusters)
{
    const WrapCase& c = GetParam();
    Text text(c.text);
    text.engine.RecalcLineStarts(true, c.width, &text.measure);
    EXPECT_EQ(text.Breaks(), c.breaks);
    for (int32_t b : text.Breaks())
        EXPECT_TRUE(XGTextClusters::IsBoundary(c.text.data(), c.text.size(), size_t(b + 1))) << b;
}

INSTANTIATE_TEST_SUITE_P(
    TextEngineUtf8, Wrap,
    testing::Values(
        // Japanese has no spaces: the line breaks after the character that
        // overflows it, as a word wider than the line does
        WrapCase{kNihongo + kNihongo, 50, {8, 17}},
        // a mark stays with its base on the line
        WrapCase{"abcde" + kAcute + "fg", 45, {6}},
        // a space carrying a mark is no place to break
        WrapCase{"ab " + kAcute + "cd ef", 45, {6}},
        // a character wider than the line keeps the next cluster with it
        WrapCase{kThumbsUpToned + "e" + kAcute + "x", 15, {10}},
        // spaces between words beyond ASCII break as between ASCII words
        WrapCase{"\xCE\xB1\xCE\xB2 \xCE\xB3\xCE\xB4 \xCE\xB5", 70, {4}}));

TEST(TextEngineUtf8, HitTestsLandBetweenClustersAtTheirMiddles)
{
    // a: 0-10, e+acute: 10-20, 日: 20-40, 👍🏽: 40-60 (the modifier has no width here)
    const std::string line = "ae" + kAcute + "\xE6\x97\xA5" + kThumbsUpToned;
    Text text(line);
    text.engine.RecalcLineStarts(false, 0, nullptr);
    struct {
        int32_t x;
        int32_t offset;
    } const cases[] = {{4, 0}, {5, 1}, {14, 1}, {15, 4}, {29, 4}, {30, 7}, {49, 7}, {50, 15}};
    for (const auto& c : cases) {
        bool beyond = true;
        EXPECT_EQ(text.engine.FindOffset(0, c.x, 0, text.measure, &beyond), c.offset) << c.x;
        EXPECT_EQ(beyond, c.x >= 50) << c.x;
    }
    EXPECT_EQ(text.engine.FindPixel(7, 0, text.measure), 40);
    EXPECT_EQ(text.engine.LineWidth(0, text.measure), 60);
}

TEST(TextEngineUtf8, PiecesOfALongLineNeverCutACharacter)
{
    // 127 ASCII bytes put a three-byte character across the first piece's end.
    std::string line(127, 'a');
    for (int i = 0; i < 200; ++i)
        line += kNihongo;
    EXPECT_EQ(XGTextMeasure::PieceLength(line.data(), uint32_t(line.size())), 127u);
    Text text(line);
    text.engine.RecalcLineStarts(false, 0, nullptr);
    EXPECT_EQ(text.engine.LineWidth(0, text.measure), 127 * 10 + 600 * 20);
    // The hit test reads stretches of whole pieces: the character just past
    // the first thousand bytes is found where its width puts it.
    int32_t column = 127 + 900;  // a character's start
    int32_t x = 1270 + 300 * 20;
    EXPECT_EQ(text.engine.FindOffset(0, x + 9, 0, text.measure), column);
    EXPECT_EQ(text.engine.FindOffset(0, x + 10, 0, text.measure), column + 3);
    EXPECT_EQ(text.measure.fRunsWithCutCharacters, 0);
}

struct EditCase {
    std::string text;
    int32_t start;
    int32_t end;
    std::string with;
    int32_t width;
};

class Edits : public testing::TestWithParam<EditCase> {};

// A mark typed after a character that ended a line joins it: the break
// moves, as a fresh layout puts it.
TEST_P(Edits, PatchedTableEqualsAFreshLayout)
{
    const EditCase& c = GetParam();
    Text text(c.text);
    text.engine.RecalcLineStarts(true, c.width, &text.measure);
    text.engine.Replace(c.start, c.end, c.with.data(), int32_t(c.with.size()));
    text.engine.RecalcStarts(c.start, c.end, int32_t(c.with.size()), true, c.width, &text.measure);
    Text fresh(text.Bytes());
    fresh.engine.RecalcLineStarts(true, c.width, &fresh.measure);
    EXPECT_EQ(text.Breaks(), fresh.Breaks());
}

INSTANTIATE_TEST_SUITE_P(
    TextEngineUtf8, Edits,
    testing::Values(EditCase{kNihongo + kNihongo + kNihongo, 9, 9, "a", 50},
                    EditCase{"abcde fgh", 5, 5, kAcute, 50},
                    EditCase{kNihongo + " " + kNihongo, 3, 6, "", 50},
                    EditCase{"\xF0\x9F\x87\xAF abc", 4, 4, "\xF0\x9F\x87\xB5", 30}));

}  // namespace
