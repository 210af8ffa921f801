// The system's cluster breaks installed into the text engine: with them the
// caret's steps over text in several scripts are Uniscribe's character
// stops, and ill-formed UTF-8 still never has a step inside a sequence.
#include <gtest/gtest.h>

#include <windows.h>
#include <usp10.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "controls/XGScriptBreaks.h"
#include "controls/XGTextClusters.h"
#include "foundation/XGUtf8.h"

namespace {

// Uniscribe's character stops of a well-formed UTF-8 text as byte offsets,
// found apart from the framework's conversion (the system's own).
std::vector<size_t> SystemStops(const std::string& text)
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
        std::vector<SCRIPT_LOGATTR> attributes(size_t(length));
        EXPECT_EQ(ScriptBreak(wide.data() + first, length, &items[size_t(i)].a, attributes.data()), S_OK);
        for (int u = 0; u < length; ++u) {
            if (attributes[size_t(u)].fCharStop)
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
};

class ScriptBreaks : public testing::TestWithParam<Sample> {
protected:
    void SetUp() override { XGScriptBreaks::Install(); }
    void TearDown() override { XGTextClusters::SetBreaker(nullptr); }
};

TEST_P(ScriptBreaks, StepsAreTheSystemsCharacterStops)
{
    const std::string& text = GetParam().text;
    std::vector<size_t> system = SystemStops(text);
    EXPECT_EQ(Forward(text), system);
    EXPECT_EQ(Backward(text), system);
    // Where the system and the framework's own rule part ways: shown, not
    // failed, since the rule is only the stand-in where no system answers.
    XGTextClusters::SetBreaker(nullptr);
    std::vector<size_t> own = Forward(text);
    if (own != system)
        std::printf("[ differs ] %s: system %s, own rule %s\n", GetParam().name, Show(system).c_str(),
                    Show(own).c_str());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ScriptBreaks,
    testing::Values(
        Sample{"CombiningAcute", "ae\xCC\x81" "b"},
        Sample{"DevanagariVowelSign", "\xE0\xA4\x95\xE0\xA4\xBF" "a"},
        Sample{"DevanagariConjunct", "\xE0\xA4\xA8\xE0\xA4\xAE\xE0\xA4\xB8\xE0\xA5\x8D\xE0\xA4\xA4\xE0\xA5\x87"},
        Sample{"HangulJamo", "\xE1\x84\x80\xE1\x85\xA1\xE1\x86\xA8" "a"},
        Sample{"Flags", "\xF0\x9F\x87\xAF\xF0\x9F\x87\xB5\xF0\x9F\x87\xAB\xF0\x9F\x87\xB7"},
        Sample{"EmojiWithSkinTone", "\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD" "a"},
        Sample{"FamilyJoinedByZeroWidthJoiners",
               "\xF0\x9F\x91\xA8\xE2\x80\x8D\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x91\xA7"},
        Sample{"EmojiWithVariationSelector", "\xE2\x9D\xA4\xEF\xB8\x8F" "a"},
        Sample{"FourScripts", "\xE2\x98\x95 \xF0\x9F\x98\x80 \xCE\xA9\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1 "
                              "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E"}),
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
        Sample{"CutEmojiThenMark", "\xF0\x9F\x98\xCC\x81" "a"},
        Sample{"CutMark", "e\xCC"},
        Sample{"StrayContinuations", "\xCE\xA9\x80\x80\xCC\x81\xE6\x97\xA5"},
        Sample{"EncodedSurrogatePair", "\xED\xA0\xBD\xED\xB8\x80\xCE\xA9"},
        Sample{"OverlongSlash", "\xC0\xAF\xE2\x98\x95\xF0\x9F\x8F\xBD"}),
    [](const testing::TestParamInfo<Sample>& info) { return std::string(info.param.name); });

}  // namespace
