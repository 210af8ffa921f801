// The system's cluster breaks installed into the text engine: with them the
// caret never stops inside what Uniscribe takes for one character, still
// keeps a mark with its base and an emoji with its modifiers, joiners and
// flag partner where the system would split them, and ill-formed UTF-8 never
// has a step inside a sequence.
#include <gtest/gtest.h>

#include <windows.h>
#include <usp10.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "controls/XGScriptBreaks.h"
#include "controls/XGTextClusters.h"
#include "foundation/XGUtf8.h"

namespace {

// Uniscribe's character stops of a well-formed UTF-8 text as byte offsets,
// found apart from the framework's conversion (the system's own). A stop
// between the halves of a surrogate pair (Wine gives them) is counted in
// *halves, as it names no byte.
std::vector<size_t> SystemStops(const std::string& text, int* halves = nullptr)
{
    int units = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), int(text.size()), nullptr, 0);
    std::vector<WCHAR> wide(size_t(units) + 1);
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), int(text.size()), wide.data(), units);
    std::vector<SCRIPT_ITEM> items(size_t(units) + 2);
    int count = 0;
    EXPECT_EQ(ScriptItemize(wide.data(), units, int(items.size()) - 1, nullptr, nullptr, items.data(), &count), S_OK);
    std::vector<size_t> stops;
    for (int i = 0; i < count; ++i) {
        int first = items[size_t(i)].iCharPos;
        int length = items[size_t(i) + 1].iCharPos - first;
        std::vector<SCRIPT_LOGATTR> attributes(static_cast<size_t>(length));
        EXPECT_EQ(ScriptBreak(wide.data() + first, length, &items[size_t(i)].a, attributes.data()), S_OK);
        for (int u = 0; u < length; ++u) {
            bool low = wide[size_t(first + u)] >= 0xDC00 && wide[size_t(first + u)] <= 0xDFFF;
            if (attributes[size_t(u)].fCharStop && low && halves)
                ++*halves;
            if (attributes[size_t(u)].fCharStop && !low)
                stops.push_back(size_t(WideCharToMultiByte(CP_UTF8, 0, wide.data(), first + u, nullptr, 0,
                                                           nullptr, nullptr)));
        }
    }
    stops.push_back(text.size());
    return stops;
}

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

std::string Show(const std::vector<size_t>& offsets)
{
    std::string out;
    for (size_t offset : offsets)
        out += (out.empty() ? "" : " ") + std::to_string(offset);
    return out;
}

struct Sample {
    const char* name;
    std::string text;
    std::vector<size_t> steps;
};

class ScriptBreaks : public testing::TestWithParam<Sample> {
protected:
    void SetUp() override { XGScriptBreaks::Install(); }
    void TearDown() override { XGTextClusters::SetBreaker(nullptr); }
};

TEST_P(ScriptBreaks, StepsAreSystemStopsThatKeepMarksAndEmojiWhole)
{
    const Sample& sample = GetParam();
    const std::string& text = sample.text;
    int halves = 0;
    std::vector<size_t> system = SystemStops(text, &halves);
    EXPECT_EQ(Forward(text), sample.steps);
    EXPECT_EQ(Backward(text), sample.steps);
    for (size_t step : sample.steps)
        EXPECT_NE(std::find(system.begin(), system.end(), step), system.end()) << step;
    // Where the system and the framework's own rule part ways: shown for
    // the record, the steps above being what the user gets.
    XGTextClusters::SetBreaker(nullptr);
    std::vector<size_t> own = Forward(text);
    if (own != system || halves > 0)
        std::printf("[ differs ] %s: system %s (and %d between surrogate halves), own rule %s\n",
                    sample.name, Show(system).c_str(), halves, Show(own).c_str());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ScriptBreaks,
    testing::Values(
        Sample{"CombiningAcute", "ae\xCC\x81" "b", {0, 1, 4, 5}},
        Sample{"DevanagariVowelSign", "\xE0\xA4\x95\xE0\xA4\xBF" "a", {0, 6, 7}},
        Sample{"DevanagariConjunct",
               "\xE0\xA4\xA8\xE0\xA4\xAE\xE0\xA4\xB8\xE0\xA5\x8D\xE0\xA4\xA4\xE0\xA5\x87",
               {0, 3, 6, 12, 18}},
        Sample{"HangulJamo", "\xE1\x84\x80\xE1\x85\xA1\xE1\x86\xA8" "a", {0, 9, 10}},
        Sample{"Flags", "\xF0\x9F\x87\xAF\xF0\x9F\x87\xB5\xF0\x9F\x87\xAB\xF0\x9F\x87\xB7", {0, 8, 16}},
        Sample{"EmojiWithSkinTone", "\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD" "a", {0, 8, 9}},
        Sample{"FamilyJoinedByZeroWidthJoiners",
               "\xF0\x9F\x91\xA8\xE2\x80\x8D\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x91\xA7", {0, 18}},
        Sample{"EmojiWithVariationSelector", "\xE2\x9D\xA4\xEF\xB8\x8F" "a", {0, 6, 7}},
        Sample{"KhmerSubscript", "\xE1\x9E\x80\xE1\x9F\x92\xE1\x9E\x9A", {0, 6, 9}},
        Sample{"FourScripts",
               "\xE2\x98\x95 \xF0\x9F\x98\x80 \xCE\xA9\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1 "
               "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E",
               {0, 3, 4, 8, 9, 11, 13, 15, 17, 19, 20, 23, 26, 29}}),
    [](const testing::TestParamInfo<Sample>& info) { return std::string(info.param.name); });

class ScriptBreaksIllFormed : public testing::TestWithParam<Sample> {
protected:
    void SetUp() override { XGScriptBreaks::Install(); }
    void TearDown() override { XGTextClusters::SetBreaker(nullptr); }
};

TEST_P(ScriptBreaksIllFormed, NoStepFallsInsideASequence)
{
    const std::string& text = GetParam().text;
    // The system answers for these too: the steps below are its.
    std::unique_ptr<bool[]> starts(new bool[text.size()]());
    EXPECT_TRUE(XGScriptBreaks::Breaks(text.data(), text.size(), starts.get()));
    for (size_t i = 0; i < text.size(); ++i) {
        if (starts[i])
            EXPECT_TRUE(XGUtf8::IsBoundary(text.data(), text.size(), i)) << i;
    }
    for (const std::vector<size_t>& steps : {Forward(text), Backward(text)}) {
        for (size_t step : steps)
            EXPECT_TRUE(XGUtf8::IsBoundary(text.data(), text.size(), step)) << step;
    }
    EXPECT_EQ(Forward(text), Backward(text));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ScriptBreaksIllFormed,
    testing::Values(
        Sample{"CutEmojiThenMark", "\xF0\x9F\x98\xCC\x81" "a", {}},
        Sample{"CutMark", "e\xCC", {}},
        Sample{"StrayContinuations", "\xCE\xA9\x80\x80\xCC\x81\xE6\x97\xA5", {}},
        Sample{"EncodedSurrogatePair", "\xED\xA0\xBD\xED\xB8\x80\xCE\xA9", {}},
        Sample{"OverlongSlash", "\xC0\xAF\xE2\x98\x95\xF0\x9F\x8F\xBD", {}}),
    [](const testing::TestParamInfo<Sample>& info) { return std::string(info.param.name); });

}  // namespace
