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

// Stand-ins for a system's breaks: finer than the own rule (each character,
// each byte), coarser (one cluster a window) and failing.
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

TEST_P(Breakers, StepsJoinWhatTheBreakerJoinsAndKeepTheOwnClusters)
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
        BreakerCase{"MarkStaysWithItsBase", EveryCharacter, "e\xCC\x81x", {0, 3, 4}},
        BreakerCase{"JoinedEmojiStayTogether", EveryCharacter,
                    "\xF0\x9F\x91\xA8\xE2\x80\x8D\xF0\x9F\x91\xA9\xF0\x9F\x87\xAF\xF0\x9F\x87\xB5",
                    {0, 11, 19}},
        BreakerCase{"JoinGreekLetters", WholeWindow, "\xCE\xA9\xCE\xBC\xCE\xBD", {0, 6}},
        BreakerCase{"LineFeedStandsAlone", WholeWindow, "\xCE\xA9\n\xCE\xBC", {0, 2, 3, 5}},
        BreakerCase{"AsciiStartsACluster", WholeWindow, "\xCE\xA9" "a\xCC\x81\xCE\xBC", {0, 2, 7}},
        BreakerCase{"IllFormedBytesStandAlone", WholeWindow, "\xCE\xA9\xE2\x98\xCE\xBC", {0, 2, 4, 6}},
        BreakerCase{"StopsInsideACharacterAreIgnored", EveryByte,
                    "\xE6\x97\xA5\xF0\x9F\x98\x80\xCE\xA9", {0, 3, 7, 9}},
        BreakerCase{"BreakerJoinsWhatTheOwnRuleSplits", WholeWindow,
                    "\xE0\xA4\xB8\xE0\xA5\x8D\xE0\xA4\xA4\xE0\xA5\x87 ", {0, 12, 13}},
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
    // Asked, the breaker would join all of it.
    Install(WholeWindow);
    std::string text = "a";
    for (int i = 0; i < 1000; ++i)
        text += "\xCC\x81";
    text += "\xCE\xA9\xCE\xA9";
    std::vector<size_t> own{0, 2001, 2003, 2005};
    EXPECT_EQ(Forward(text), own);
    EXPECT_EQ(Backward(text), own);
    EXPECT_LE(gLargest, XGTextClusters::kBreakerWindow);
}

}  // namespace
