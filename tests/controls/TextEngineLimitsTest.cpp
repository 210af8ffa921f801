// The engine at the ends of its 32-bit arithmetic: a text may not grow past
// the largest offset, and a line too wide for 32 bits of pixels keeps the
// largest width rather than wrapping to a negative one.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "controls/XGTabMeasure.h"
#include "controls/XGTextEngine.h"
#include "foundation/XGPostError.h"

namespace {

const int32_t kMax = INT32_MAX;

struct FitCase {
    int64_t size;
    int64_t removed;
    int64_t inserted;
    bool fits;
};

TEST(TextEngineLimits, ReplacementFitsOnlyUpToTheLargestOffset)
{
    const FitCase cases[] = {
        {0x7FFFFFFE, 0, 1, true},
        {0x7FFFFFFF, 0, 1, false},
        {0x7FFFFFFF, 0, 0, true},
        {0x7FFFFFFF, 1, 1, true},
        {0x7FFFFFFF, 1, 2, false},
        {0x7FFFFFFF, 5, 0, true},
        {0x7FFFFFF0, 0, 0x0F, true},
        {0x7FFFFFF0, 0, 0x10, false},
        {0, 0, 0x7FFFFFFF, true},
        {1, 0, 0x7FFFFFFF, false},
        {0x7FFFFFFF, 0, 0x7FFFFFFF, false},
        {0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF, true},
    };
    for (const FitCase& c : cases) {
        EXPECT_EQ(XGTextEngine::FitsAfterReplace(c.size, c.removed, c.inserted,
                                                 XGTextEngine::kMaxTextSize),
                  c.fits)
            << c.size << " - " << c.removed << " + " << c.inserted;
    }
    EXPECT_EQ(XGTextEngine().GetMaxTextSize(), kMax);
}

struct Limited {
    explicit Limited(const std::string& bytes, int32_t limit) : handle(0, 0)
    {
        handle.Append(uint32_t(bytes.size()), bytes.data());
        engine.SetTextHandle(&handle);
        engine.SetMaxTextSize(limit);
        engine.RecalcLineStarts(false, 0, nullptr);
    }
    // The edit as the editor makes it; the message of the error it threw, or
    // empty.
    std::string Edit(int32_t start, int32_t end, const std::string& with)
    {
        try {
            engine.Replace(start, end, with.data(), int32_t(with.size()));
        } catch (const XGPostError& error) {
            char title[256];
            error.GetShortError(title);
            return title;
        }
        engine.RecalcStarts(start, end, int32_t(with.size()), false, 0, nullptr);
        return std::string();
    }
    std::string Bytes() const { return std::string(*handle, handle.GetSize()); }
    std::vector<int32_t> Breaks() const
    {
        std::vector<int32_t> out;
        for (int32_t k = 0; k < engine.GetBreakCount(); ++k)
            out.push_back(engine.GetBreak(k));
        return out;
    }
    XGHandle handle;
    XGTextEngine engine;
};

struct EditCase {
    const char* text;
    int32_t start;
    int32_t end;
    const char* with;
    bool refused;
};

TEST(TextEngineLimits, EditPastTheLimitIsRefusedWithTheEnginesErrorAndChangesNothing)
{
    // A limit of 12 bytes stands for the largest offset.
    const EditCase cases[] = {
        {"abc\ndef\nghij", 5, 5, "x", true},
        {"abc\ndef\nghij", 12, 12, "\n", true},
        {"abc\ndef\nghij", 1, 3, "xyz", true},
        {"abc\ndef\nghij", 0, 0, "", false},
        {"abc\ndef\nghij", 1, 3, "\nx", false},
        {"abc\ndef\nghij", 3, 4, "", false},
        {"abc\ndef\nghi", 11, 11, "\n", false},
        {"abc\ndef\nghi", 11, 11, "\n\n", true},
    };
    for (const EditCase& c : cases) {
        Limited text(c.text, 12);
        std::vector<int32_t> breaks = text.Breaks();
        std::string said = text.Edit(c.start, c.end, c.with);
        if (c.refused) {
            EXPECT_EQ(said, "Out of memory") << c.text << " + " << c.with;
            EXPECT_EQ(text.Bytes(), c.text);
            EXPECT_EQ(text.Breaks(), breaks);
        } else {
            EXPECT_EQ(said, "") << c.text << " + " << c.with;
            std::string expected = std::string(c.text).replace(size_t(c.start),
                                                               size_t(c.end - c.start), c.with);
            EXPECT_EQ(text.Bytes(), expected);
        }
        // Whatever happened, the table describes the text and every offset
        // the engine answers lies within it.
        int32_t size = text.engine.GetTextSize();
        EXPECT_LE(size, 12);
        const std::string now = text.Bytes();
        EXPECT_EQ(text.engine.GetNumLines(), 1 + int32_t(std::count(now.begin(), now.end(), '\n')));
        int32_t last = text.engine.GetNumLines() - 1;
        EXPECT_EQ(text.engine.GetLineOffset(last) + text.engine.GetLineLength(last), size);
    }
}

// 250 pixels a character, every prefix the sum of its characters: a piece
// of 128 of them stays within the device's 16 bits, and 8.6 million of them
// pass 2^31 pixels.
class WideMeasure : public XGTabMeasure {
public:
    static constexpr int32_t kWidth = 250;
    WideMeasure() : XGTabMeasure(56) {}

protected:
    int32_t RunWidth(const char*, uint32_t length, int32_t* partial) override
    {
        if (partial) {
            for (uint32_t i = 0; i < length; ++i)
                partial[i] = int32_t(i + 1) * kWidth;
        }
        return int32_t(length) * kWidth;
    }
};

struct WidthCase {
    int32_t startWidth;
    const char* text;
    int64_t exact; // the width in unbounded arithmetic
};

TEST(TextEngineLimits, WidthsPastTheLargestStayThereInsteadOfWrapping)
{
    const std::string piece(128, 'a');
    const WidthCase cases[] = {
        {kMax - 1000, "aa", int64_t(kMax) - 500},
        {kMax - 500, "aa", int64_t(kMax)},
        {kMax - 499, "aa", int64_t(kMax) + 1},
        {kMax - 1000, piece.c_str(), int64_t(kMax) - 1000 + 128 * 250},
        {kMax - 10, "\t", int64_t(kMax) + 41},
        {kMax, "a", int64_t(kMax) + 250},
    };
    for (const WidthCase& c : cases) {
        WideMeasure measure;
        uint32_t length = uint32_t(std::string(c.text).size());
        int32_t expected = c.exact > kMax ? kMax : int32_t(c.exact);
        EXPECT_EQ(measure.TextWidth(c.text, length, c.startWidth), expected)
            << c.startWidth << " + " << length;
        std::vector<int32_t> widths(length);
        measure.PrefixWidthsFrom(c.text, length, c.startWidth, widths.data());
        EXPECT_EQ(widths.back(), expected) << c.startWidth << " + " << length;
        for (uint32_t i = 1; i < length; ++i)
            EXPECT_GE(widths[i], widths[i - 1]) << i;
    }
}

TEST(TextEngineLimits, LineWiderThanThirtyTwoBitsMeasuresAndHitTestsWithinIt)
{
    const int32_t length = int32_t(int64_t(kMax) / WideMeasure::kWidth + 1000);
    XGHandle handle(0, 0);
    handle.SetSize(uint32_t(length));
    memset(*handle, 'a', size_t(length));
    XGTextEngine engine;
    engine.SetTextHandle(&handle);
    engine.RecalcLineStarts(false, 0, nullptr);
    WideMeasure measure;
    ASSERT_EQ(engine.GetNumLines(), 1);
    EXPECT_EQ(engine.LineWidth(0, measure), kMax);
    EXPECT_EQ(engine.FindPixel(length, 2, measure), kMax);
    EXPECT_EQ(engine.FindPixel(length / 2, 2, measure), 2 + (length / 2) * WideMeasure::kWidth);
    // A pixel within the line lands on the character there; one in the
    // saturated stretch lands where the widths reached the largest, never
    // before the line or past its end.
    bool beyond = true;
    int32_t x = 2 + 1000 * WideMeasure::kWidth + 10;
    EXPECT_EQ(engine.FindOffset(0, x, 2, measure, &beyond), 1000);
    EXPECT_FALSE(beyond);
    const int32_t saturated = int32_t(int64_t(kMax) / WideMeasure::kWidth + 1);
    EXPECT_EQ(engine.FindOffset(0, kMax, 2, measure, &beyond), saturated);
    int32_t near = engine.FindOffset(0, kMax - 1000, 2, measure, &beyond);
    EXPECT_GE(near, saturated - 5);
    EXPECT_LE(near, saturated);
}

}  // namespace
