// Widths measured once per run must give exactly what measuring every prefix
// on its own gave: the same widths, hit offsets and wrapped breaks. The
// references below are the per-prefix algorithms, kept as they were.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "controls/XGTabMeasure.h"
#include "controls/XGTextEngine.h"

namespace {

const int32_t kTab = 56;

// A device whose strings are not the sum of their characters: every string
// measured gains 2 pixels once, as a synthesized bold font's overhang does.
// 'W' is wide, 'i' narrow, bytes from 0x80 up are 400 pixels, so that a
// piece of them goes past 16 bits.
int32_t CharWidth(char c)
{
    unsigned char u = static_cast<unsigned char>(c);
    if (u >= 0x80)
        return 400;
    if (c == 'W')
        return 30;
    if (c == 'i')
        return 3;
    return 7 + (u & 3);
}

int32_t DeviceWidth(const char* text, uint32_t length)
{
    int32_t x = 2;
    for (uint32_t i = 0; i < length; ++i)
        x += CharWidth(text[i]);
    return x;
}

class FastMeasure : public XGTabMeasure {
public:
    FastMeasure() : XGTabMeasure(kTab) {}
    int runs = 0;

protected:
    int32_t RunWidth(const char* text, uint32_t length, int32_t* partial) override
    {
        ++runs;
        if (partial) {
            for (uint32_t i = 0; i < length; ++i)
                partial[i] = DeviceWidth(text, i + 1);
        }
        return DeviceWidth(text, length);
    }
};

// The editor's measuring before: every width in pieces of 128 characters,
// each piece's runs between tabs measured whole, the piece's answer 16 bits.
class ReferenceMeasure : public XGTextMeasure {
public:
    int32_t TextWidth(const char* text, uint32_t length, int32_t startWidth) override
    {
        int32_t width = startWidth;
        while (length > 0) {
            uint32_t piece = length < 128 ? length : 128;
            int32_t base = width - width % kTab;
            width = base + short(PieceWidth(text, piece, (unsigned short)(width % kTab)));
            text += piece;
            length -= piece;
        }
        return width;
    }

private:
    static int32_t PieceWidth(const char* text, uint32_t length, int32_t startWidth)
    {
        int32_t x = startWidth;
        uint32_t runStart = 0;
        for (uint32_t i = 0; i < length; ++i) {
            if (text[i] == '\t') {
                x += i > runStart ? DeviceWidth(text + runStart, i - runStart) : 0;
                x = (x / kTab + 1) * kTab;
                runStart = i + 1;
            }
        }
        x += length > runStart ? DeviceWidth(text + runStart, length - runStart) : 0;
        return x;
    }
};

// The hit test before: every prefix measured on its own.
int32_t ReferenceOffset(const std::string& line, int32_t x, int32_t margin)
{
    ReferenceMeasure measure;
    int32_t p = margin;
    for (int32_t k = 0; k < int32_t(line.size()); ++k) {
        int32_t w = measure.TextWidth(line.data(), uint32_t(k + 1), 0) + margin;
        if (x < (p + w) / 2)
            return k;
        p = w;
    }
    return int32_t(line.size());
}

// The full word-wrapped layout before: the growing line measured afresh at
// every character.
std::vector<int32_t> ReferenceBreaks(const std::string& bytes, int32_t wrapWidth)
{
    ReferenceMeasure measure;
    const char* text = bytes.data();
    int32_t size = int32_t(bytes.size());
    std::vector<int32_t> breaks;
    int32_t s = 0;
    int32_t i = 0;
    while (i < size) {
        if (text[i] == '\n') {
            breaks.push_back(i);
            s = i + 1;
        } else {
            int32_t e = i + 1;
            while (e > s && XGTextEngine::IsWhite(text[e - 1]))
                --e;
            if (e > s && measure.TextWidth(text + s, uint32_t(e - s), 0) > wrapWidth) {
                int32_t b = e - 1;
                while (b >= s && !XGTextEngine::IsWhite(text[b]))
                    --b;
                if (b <= s)
                    b = e - 1;
                if (b <= s && s + 1 > i) {
                    ++i;
                    continue;
                }
                if (b <= s)
                    b = s + 1;
                breaks.push_back(b);
                s = b + 1;
                if (b < i)
                    continue;
            }
        }
        ++i;
    }
    return breaks;
}

std::string Repeat(const std::string& part, size_t times)
{
    std::string out;
    for (size_t k = 0; k < times; ++k)
        out += part;
    return out;
}

// Lines with tabs on and around the piece boundaries, narrow and wide
// characters, and pieces wider than 16 bits.
std::vector<std::string> Lines()
{
    return {"",
            "a",
            "\t",
            "ab\tc\t\tdef\tWi",
            Repeat("abcdefghiW", 30),
            Repeat("x", 127) + "\tyz" + Repeat("q", 140),
            Repeat("x", 128) + "\t" + Repeat("i", 130) + "\t",
            Repeat("\x80", 200) + "ab\tc",
            Repeat("word \tWWii ", 60),
            Repeat("m", 1000),
            Repeat("x", 1023) + "\t" + Repeat("Wi\t", 400) + Repeat("\x80", 300)};
}

// A text and its engine, not yet laid out.
struct Laid {
    explicit Laid(const std::string& bytes) : handle(0, 0)
    {
        handle.Append(uint32_t(bytes.size()), bytes.data());
        engine.SetTextHandle(&handle);
    }
    XGHandle handle;
    XGTextEngine engine;
};

class MeasuredLine : public testing::TestWithParam<std::string> {};

TEST_P(MeasuredLine, PrefixWidthsEqualEveryPrefixMeasuredAlone)
{
    const std::string& line = GetParam();
    FastMeasure fast;
    ReferenceMeasure reference;
    std::vector<int32_t> widths(line.size());
    fast.PrefixWidths(line.data(), uint32_t(line.size()), widths.data());
    for (size_t k = 0; k < line.size(); ++k)
        ASSERT_EQ(widths[k], reference.TextWidth(line.data(), uint32_t(k + 1), 0)) << "prefix " << k + 1;
    for (int32_t start : {0, 1, 55, 56, 300, 5000}) {
        EXPECT_EQ(fast.TextWidth(line.data(), uint32_t(line.size()), start),
                  reference.TextWidth(line.data(), uint32_t(line.size()), start))
            << "from " << start;
    }
}

TEST_P(MeasuredLine, HitOffsetsEqualThePerPrefixHitTest)
{
    const std::string& line = GetParam();
    Laid laid(line);
    XGTextEngine& engine = laid.engine;
    engine.RecalcLineStarts(false, 0, nullptr);
    FastMeasure fast;
    ReferenceMeasure reference;
    int32_t width = engine.LineWidth(0, reference);
    ASSERT_EQ(engine.LineWidth(0, fast), width);
    for (int32_t x = -20; x < width + 40; x += (x < 300 ? 1 : width / 40 + 1)) {
        bool beyond = false;
        int32_t expected = ReferenceOffset(line, x, 2);
        ASSERT_EQ(engine.FindOffset(0, x, 2, fast, &beyond), expected) << "x " << x;
        EXPECT_EQ(beyond, expected == int32_t(line.size())) << "x " << x;
    }
}

TEST_P(MeasuredLine, WrappedBreaksAndWidthsEqualTheOldLayout)
{
    // The line three times over, once after a line feed, so that wrapped
    // lines start inside the text too.
    const std::string text = GetParam() + " " + GetParam() + "\n" + GetParam();
    for (int32_t wrapWidth : {20, 90, 300, 2000}) {
        Laid laid(text);
        XGTextEngine& engine = laid.engine;
        FastMeasure fast;
        engine.RecalcLineStarts(true, wrapWidth, &fast);
        std::vector<int32_t> breaks;
        for (int32_t k = 0; k < engine.GetBreakCount(); ++k)
            breaks.push_back(engine.GetBreak(k));
        ASSERT_EQ(breaks, ReferenceBreaks(text, wrapWidth)) << "width " << wrapWidth;
        ReferenceMeasure reference;
        for (int32_t line = 0; line < engine.GetNumLines(); ++line) {
            int32_t start = engine.GetLineOffset(line);
            std::string shown = text.substr(size_t(start), size_t(engine.GetLineLength(line)));
            EXPECT_EQ(engine.FindOffset(line, wrapWidth / 2, 2, fast) - start,
                      ReferenceOffset(shown, wrapWidth / 2, 2));
            EXPECT_EQ(engine.LineWidth(line, fast), engine.LineWidth(line, reference));
        }
    }
}

TEST_P(MeasuredLine, KeptPixelsOfHitsAndCaretsEqualFreshMeasurements)
{
    const std::string& line = GetParam();
    Laid kept(line);
    kept.engine.KeepPixels(true);
    kept.engine.RecalcLineStarts(false, 0, nullptr);
    Laid fresh(line);
    fresh.engine.RecalcLineStarts(false, 0, nullptr);
    FastMeasure fast;
    ReferenceMeasure reference;
    const int32_t width = fresh.engine.LineWidth(0, reference);
    for (int32_t x = -20; x < width + 40; x += (x < 300 ? 7 : width / 40 + 1)) {
        const int32_t hit = kept.engine.FindOffset(0, x, 2, fast);
        bool keptBeyond = false, freshBeyond = false;
        // The release of a click where it was pressed asks again.
        ASSERT_EQ(kept.engine.FindOffset(0, x, 2, fast, &keptBeyond),
                  fresh.engine.FindOffset(0, x, 2, reference, &freshBeyond)) << "x " << x;
        ASSERT_EQ(keptBeyond, freshBeyond) << "x " << x;
        // The caret after the hit, then a neighbour, then the caret again.
        ASSERT_EQ(kept.engine.FindPixel(hit, 2, fast), fresh.engine.FindPixel(hit, 2, reference)) << "x " << x;
        const int32_t other = hit > 0 ? hit - 1 : int32_t(line.size());
        ASSERT_EQ(kept.engine.FindPixel(other, 2, fast), fresh.engine.FindPixel(other, 2, reference));
        ASSERT_EQ(kept.engine.FindPixel(hit, 2, fast), fresh.engine.FindPixel(hit, 2, reference));
        ASSERT_EQ(kept.engine.FindPixel(hit, 5, fast), fresh.engine.FindPixel(hit, 5, reference));
    }
}

INSTANTIATE_TEST_SUITE_P(TextEngine, MeasuredLine, testing::ValuesIn(Lines()));

TEST(TextEngine, TheCaretAndReleaseAfterAClickOnALongLineAreNotMeasuredAgain)
{
    std::string line = Repeat("abcd ", 2000);
    Laid laid(line + "\n" + line);
    XGTextEngine& engine = laid.engine;
    engine.KeepPixels(true);
    engine.RecalcLineStarts(false, 0, nullptr);
    FastMeasure fast;
    const int32_t hit = engine.FindOffset(1, 30000, 2, fast);
    const int runs = fast.runs;
    // The caret, the scroll into view and the highlight's two ends, and the
    // release where the press was.
    for (int k = 0; k < 4; ++k)
        engine.FindPixel(hit, 2, fast);
    EXPECT_EQ(hit, engine.FindOffset(1, 30000, 2, fast));
    EXPECT_EQ(runs, fast.runs);
}

struct KeptPixelChange {
    const char* what;
    std::function<void(Laid&, FastMeasure&)> change;
    bool wrapped;   // the change lays the text out wrapped at 300 pixels
};

class KeptPixelForgotten : public testing::TestWithParam<KeptPixelChange> {};

// After each change the kept position is measured afresh: the answer is the
// one an engine that keeps nothing gives.
TEST_P(KeptPixelForgotten, AfterTheChangeThePixelIsMeasuredAgain)
{
    const std::string text = Repeat("abcd efg ", 40) + "\n" + Repeat("xyz ", 30);
    Laid laid(text);
    laid.engine.KeepPixels(true);
    FastMeasure fast;
    laid.engine.RecalcLineStarts(false, 0, nullptr);
    const int32_t offset = 200;
    laid.engine.FindPixel(offset, 2, fast);
    laid.engine.FindOffset(0, 1500, 2, fast);
    GetParam().change(laid, fast);
    int runs = fast.runs;
    const int32_t kept = laid.engine.FindPixel(offset, 2, fast);
    EXPECT_GT(fast.runs, runs) << GetParam().what;
    runs = fast.runs;
    const int32_t keptHit = laid.engine.FindOffset(0, 1500, 2, fast);
    EXPECT_GT(fast.runs, runs) << GetParam().what;
    Laid plain(std::string(*laid.handle, laid.handle.GetSize()));
    plain.engine.RecalcLineStarts(GetParam().wrapped, 300, &fast);
    EXPECT_EQ(plain.engine.FindPixel(offset, 2, fast), kept) << GetParam().what;
    EXPECT_EQ(plain.engine.FindOffset(0, 1500, 2, fast), keptHit) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(TextEngine, KeptPixelForgotten, testing::Values(
    KeptPixelChange{"a wide character typed before it", [](Laid& l, FastMeasure& m) {
        l.engine.Replace(10, 10, "W", 1);
        l.engine.RecalcStarts(10, 10, 1, false, 0, &m);
    }, false},
    KeptPixelChange{"a line feed typed before it", [](Laid& l, FastMeasure& m) {
        l.engine.Replace(100, 100, "\n", 1);
        l.engine.RecalcStarts(100, 100, 1, false, 0, &m);
    }, false},
    KeptPixelChange{"a new layout", [](Laid& l, FastMeasure& m) { l.engine.RecalcLineStarts(true, 300, &m); }, true},
    KeptPixelChange{"the host's widths changed", [](Laid& l, FastMeasure&) { l.engine.ForgetPixels(); }, false},
    KeptPixelChange{"another text", [](Laid& l, FastMeasure&) { l.engine.SetTextHandle(&l.handle); }, false}));

TEST(TextEngine, HitTestMeasuresEachRunOfALongLineOnce)
{
    // 10,000 characters with a tab every 500: 20 pieces' worth of runs per
    // 2,560 characters at most, not one measurement per prefix.
    std::string line = Repeat(Repeat("abcd ", 99) + "\t", 20);
    Laid laid(line);
    XGTextEngine& engine = laid.engine;
    engine.RecalcLineStarts(false, 0, nullptr);
    FastMeasure fast;
    engine.FindOffset(0, 40000, 2, fast);
    EXPECT_LE(fast.runs, int(line.size() / 128 + 1 + 20));
}

TEST(TextEngine, HitTestMeasuresOnlyAsFarAsTheHit)
{
    std::string line = Repeat("abcd\t", 2000);
    Laid laid(line);
    XGTextEngine& engine = laid.engine;
    engine.RecalcLineStarts(false, 0, nullptr);
    FastMeasure fast;
    EXPECT_EQ(engine.FindOffset(0, 500, 2, fast), ReferenceOffset(line, 500, 2));
    // One stretch of 1,024 characters, a run per character between tabs.
    EXPECT_LE(fast.runs, 1024 / 5 + 1024 / 128 + 2);
}

TEST(TextEngine, WrappingALongParagraphMeasuresLinearly)
{
    std::string text = Repeat("abcd efg ", 2000);
    Laid laid(text);
    XGTextEngine& engine = laid.engine;
    FastMeasure fast;
    engine.RecalcLineStarts(true, 300, &fast);
    EXPECT_GT(engine.GetBreakCount(), 400);
    // Each wrapped line of about 30 characters is measured from its start
    // over a stretch of at most 256: a run or two of each piece.
    EXPECT_LE(fast.runs, 3 * (engine.GetBreakCount() + 1));
}

}  // namespace
