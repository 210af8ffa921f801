#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/XGTextClusters.h"

namespace {

// A text and the offsets where its clusters start (and its size).
struct ClusterCase {
    const char* name;
    std::string text;
    std::vector<size_t> boundaries;
};

class Clusters : public testing::TestWithParam<ClusterCase> {};

TEST_P(Clusters, NextAndPreviousStepOverWholeClusters)
{
    const ClusterCase& c = GetParam();
    const char* text = c.text.data();
    size_t size = c.text.size();
    std::vector<size_t> forward{0};
    for (size_t at = 0; at < size;)
        forward.push_back(at = XGTextClusters::Next(text, size, at));
    EXPECT_EQ(forward, c.boundaries);
    std::vector<size_t> backward{size};
    for (size_t at = size; at > 0;)
        backward.insert(backward.begin(), at = XGTextClusters::Previous(text, size, at));
    EXPECT_EQ(backward, c.boundaries);
    EXPECT_EQ(XGTextClusters::Count(text, size), c.boundaries.size() - 1);
}

TEST_P(Clusters, OffsetsInsideAClusterBelongToItsStart)
{
    const ClusterCase& c = GetParam();
    const char* text = c.text.data();
    size_t size = c.text.size();
    size_t cluster = 0;
    for (size_t offset = 0; offset <= size; ++offset) {
        bool boundary = false;
        for (size_t b : c.boundaries)
            boundary = boundary || b == offset;
        if (boundary)
            cluster = offset;
        EXPECT_EQ(XGTextClusters::IsBoundary(text, size, offset), boundary) << offset;
        EXPECT_EQ(XGTextClusters::Floor(text, size, offset), cluster) << offset;
        if (offset < size)
            EXPECT_EQ(XGTextClusters::Previous(text, size, offset + 1), cluster) << offset;
    }
}

INSTANTIATE_TEST_SUITE_P(
    TextClusters, Clusters,
    testing::Values(
        ClusterCase{"Ascii", "ab\n c", {0, 1, 2, 3, 4, 5}},
        ClusterCase{"PrecomposedAccent", "caf\xC3\xA9!", {0, 1, 2, 3, 5, 6}},
        ClusterCase{"CombiningAccent", "cafe\xCC\x81!", {0, 1, 2, 3, 6, 7}},
        ClusterCase{"TwoMarks", "a\xCC\x81\xCC\xA3" "b", {0, 5, 6}},
        ClusterCase{"Japanese", "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E", {0, 3, 6, 9}},
        ClusterCase{"VoicedMarkJoinsKana", "\xE3\x81\x8B\xE3\x82\x99x", {0, 6, 7}},
        ClusterCase{"HotBeverage", "\xE2\x98\x95", {0, 3}},
        ClusterCase{"EmojiWithSkinTone", "\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD" "a", {0, 8, 9}},
        ClusterCase{"EmojiWithVariationSelector", "\xE2\x9D\xA4\xEF\xB8\x8F" "a", {0, 6, 7}},
        ClusterCase{"FamilyJoinedByZeroWidthJoiners",
                    "\xF0\x9F\x91\xA8\xE2\x80\x8D\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x91\xA7" "a",
                    {0, 18, 19}},
        ClusterCase{"TwoFlags", "\xF0\x9F\x87\xAF\xF0\x9F\x87\xB5\xF0\x9F\x87\xAB\xF0\x9F\x87\xB7",
                    {0, 8, 16}},
        ClusterCase{"ThreeRegionalIndicatorsMakeAFlagAndOne",
                    "\xF0\x9F\x87\xAF\xF0\x9F\x87\xB5\xF0\x9F\x87\xAB", {0, 8, 12}},
        ClusterCase{"HangulJamoSyllable", "\xE1\x84\x80\xE1\x85\xA1\xE1\x86\xA8" "a", {0, 9, 10}},
        ClusterCase{"MarkNeverJoinsALineFeed", "a\n\xCC\x81" "b", {0, 1, 2, 4, 5}},
        ClusterCase{"MarkAtTheStartStandsAlone", "\xCC\x81" "a", {0, 2, 3}},
        ClusterCase{"JoinerBeforeALetterJoinsNothing", "a\xE2\x80\x8D" "b", {0, 4, 5}},
        ClusterCase{"IllFormedBytesAreClustersOfTheirOwn", "\xE2\x98" "\xCC\x81" "\x80" "a",
                    {0, 2, 4, 5, 6}}),
    [](const testing::TestParamInfo<ClusterCase>& info) { return std::string(info.param.name); });

}  // namespace
