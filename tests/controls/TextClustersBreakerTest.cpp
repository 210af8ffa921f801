#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "controls/XGTextClusters.h"
#include "foundation/XGUtf8.h"

namespace {

size_t gCalls = 0;
size_t gLargest = 0;

void Count(size_t size)
{
    ++gCalls;
    gLargest = std::max(gLargest, size);
}

// Stand-ins for a system's breaks, each far from the own rule so that a
// step shows whose answer it took.
bool EveryCharacter(const char* text, size_t size, bool* starts)
{
    Count(size);
    for (size_t p = 0; p < size; p = XGUtf8::Next(text, size, p))
        starts[p] = true;
    return true;
}

bool WholeWindow(const char*, size_t size, bool* starts)
{
    Count(size);
    starts[0] = true;
    return true;
}

bool EveryByte(const char*, size_t size, bool* starts)
{
    Count(size);
    std::fill(starts, starts + size, true);
    return true;
}

bool Failing(const char*, size_t size, bool* starts)
{
    Count(size);
    std::fill(starts, starts + size, true);
    return false;
}

class WithBreaker : public testing::Test {
protected:
    void Install(XGTextClusters::Breaker breaker)
    {
        XGTextClusters::SetBreaker(breaker);
        gCalls = 0;
        gLargest = 0;
    }
    void TearDown() override { XGTextClusters::SetBreaker(nullptr); }
};

std::vector<size_t> Forward(const std::string& text)
{
    std::vector<size_t> steps{0};
    for (size_t at = 0; at < text.size();)
        steps.push_back(at = XGTextClusters::Next(text.data(), text.size(), at));
    return steps;
}

std::vector<size_t> Backward(const std::string& text)
{
    std::vector<size_t> steps{text.size()};
    for (size_t at = text.size(); at > 0;)
        steps.insert(steps.begin(), at = XGTextClusters::Previous(text.data(), text.size(), at));
    return steps;
}

struct BreakerCase {
    const char* name;
    XGTextClusters::Breaker breaker;
    std::string text;
    std::vector<size_t> boundaries;
};

class Breakers : public testing::TestWithParam<BreakerCase> {
protected:
    void TearDown() override { XGTextClusters::SetBreaker(nullptr); }
};

TEST_P(Breakers, StepsFollowTheBreakerWithinCharactersAndControls)
{
    const BreakerCase& c = GetParam();
    XGTextClusters::SetBreaker(c.breaker);
    EXPECT_EQ(Forward(c.text), c.boundaries);
    EXPECT_EQ(Backward(c.text), c.boundaries);
    size_t cluster = 0;
    for (size_t offset = 0; offset <= c.text.size(); ++offset) {
        bool boundary = std::find(c.boundaries.begin(), c.boundaries.end(), offset) != c.boundaries.end();
        if (boundary)
            cluster = offset;
        EXPECT_EQ(XGTextClusters::IsBoundary(c.text.data(), c.text.size(), offset), boundary) << offset;
        EXPECT_EQ(XGTextClusters::Floor(c.text.data(), c.text.size(), offset), cluster) << offset;
    }
}

INSTANTIATE_TEST_SUITE_P(
    TextClusters, Breakers,
    testing::Values(
        BreakerCase{"SplitMarkFromItsBase", EveryCharacter, "e\xCC\x81x", {0, 1, 3, 4}},
        BreakerCase{"SplitZeroWidthJoinerSequence", EveryCharacter,
                    "\xF0\x9F\x91\xA8\xE2\x80\x8D\xF0\x9F\x91\xA9", {0, 4, 7, 11}},
        BreakerCase{"JoinGreekLetters", WholeWindow, "\xCE\xA9\xCE\xBC\xCE\xBD", {0, 6}},
        BreakerCase{"LineFeedStandsAlone", WholeWindow, "\xCE\xA9\n\xCE\xBC", {0, 2, 3, 5}},
        BreakerCase{"AsciiStartsACluster", WholeWindow, "\xCE\xA9" "a\xCC\x81\xCE\xBC", {0, 2, 7}},
        BreakerCase{"IllFormedBytesStandAlone", WholeWindow, "\xCE\xA9\xE2\x98\xCE\xBC", {0, 2, 4, 6}},
        BreakerCase{"StopsInsideACharacterAreIgnored", EveryByte,
                    "\xE6\x97\xA5\xF0\x9F\x98\x80\xCE\xA9", {0, 3, 7, 9}},
        BreakerCase{"StopsInsideAnIllFormedSubpartAreIgnored", EveryByte,
                    "\xF0\x9F\x98\xCE\xA9", {0, 3, 5}},
        BreakerCase{"FailedBreakerLeavesTheOwnRule", Failing, "e\xCC\x81x\xF0\x9F\x87\xAF\xF0\x9F\x87\xB5",
                    {0, 3, 4, 12}}),
    [](const testing::TestParamInfo<BreakerCase>& info) { return std::string(info.param.name); });

TEST_F(WithBreaker, AsciiTextNeverAsksTheBreaker)
{
    Install(EveryByte);
    std::string text = "Plain text,\r\nand tabs\tand more.";
    std::vector<size_t> expected;
    for (size_t i = 0; i <= text.size(); ++i)
        expected.push_back(i);
    EXPECT_EQ(Forward(text), expected);
    EXPECT_EQ(Backward(text), expected);
    EXPECT_EQ(gCalls, 0u);
}

TEST_F(WithBreaker, LongTextIsAskedInBoundedWindowsReusedWhileStepping)
{
    Install(EveryCharacter);
    std::string text;
    for (int i = 0; i < 10000; ++i)
        text += "\xE6\x97\xA5";  // 日
    std::vector<size_t> expected;
    for (size_t i = 0; i <= text.size(); i += 3)
        expected.push_back(i);
    EXPECT_EQ(Forward(text), expected);
    EXPECT_EQ(Backward(text), expected);
    EXPECT_LE(gLargest, XGTextClusters::kBreakerWindow);
    // Each window serves well over a hundred bytes of steps each way.
    EXPECT_LT(gCalls, 2 * text.size() / 100);
}

TEST_F(WithBreaker, AnEditUnderTheRememberedWindowIsSeen)
{
    Install(WholeWindow);
    std::string text = "\xCE\xA9\xCE\xA9\xCE\xA9";
    EXPECT_EQ(XGTextClusters::Next(text.data(), text.size(), 0), 6u);
    text[2] = '\n';
    text[3] = 'a';
    EXPECT_EQ(XGTextClusters::Next(text.data(), text.size(), 0), 2u);
    // "a" and the letter after it are one cluster to this breaker.
    EXPECT_EQ(XGTextClusters::Previous(text.data(), text.size(), 6), 3u);
}

TEST_F(WithBreaker, ClusterLongerThanAWindowFallsBackToTheOwnRule)
{
    Install(EveryCharacter);
    std::string text = "a";
    for (int i = 0; i < 1000; ++i)
        text += "\xCC\x81";
    text += "b";
    EXPECT_EQ(Forward(text), (std::vector<size_t>{0, text.size() - 1, text.size()}));
    EXPECT_EQ(Backward(text), (std::vector<size_t>{0, text.size() - 1, text.size()}));
    EXPECT_LE(gLargest, XGTextClusters::kBreakerWindow);
}

}  // namespace
