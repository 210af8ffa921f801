// Damaged trees are recognised before anything is built from them.
#include <gtest/gtest.h>

#include <vector>

#include "VresEncoder.h"
#include "VresText.h"
#include "records/XGRecordWalker.h"

namespace {

void Put(std::vector<uint8_t>& data, size_t at, int32_t value)
{
    uint32_t v = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; i++)
        data[at + i] = static_cast<uint8_t>(v >> (24 - 8 * i));
}

// A window with a view that holds two views: records at 0, 80, 134, 188.
std::vector<uint8_t> SoundTree()
{
    return vres::Encode(vres::Parse("'wind' { 'view' { 'view' { } 'view' { } } }"));
}

TEST(RecordWalker, ProgramShapedTreesAreSound)
{
    std::vector<uint8_t> data = SoundTree();
    ASSERT_EQ(data.size(), 242u);
    EXPECT_EQ(XGRecordWalker::CheckTree(data.data(), long(data.size())).fFault, kRecordSound);
    EXPECT_EQ(XGRecordWalker::CheckTree(data.data(), -1).fFault, kRecordSound);
}

TEST(RecordWalker, HeaderFieldsAreBigEndian)
{
    std::vector<uint8_t> data = SoundTree();
    XGSRecordHeader header = XGRecordWalker::ReadHeader(data.data() + 134);
    EXPECT_EQ(header.fNext, 54);
    EXPECT_EQ(header.fChild, 0);
    EXPECT_EQ(header.fLength, 38);
    EXPECT_EQ(header.fCode, 'view');
}

TEST(RecordWalker, DamagedTreesNameTheFaultAndTheRecord)
{
    struct Case {
        const char* what;
        size_t at;       // header field to overwrite
        int32_t value;
        long size;       // -1: the whole tree
        XGRecordFault fault;
        long record;
    } cases[] = {
        { "child offset past the end", 4, 5000, -1, kRecordHeaderOutside, 5000 },
        { "child offset near 2^31", 4, 0x7FFFFFF0, -1, kRecordHeaderOutside, 0x7FFFFFF0 },
        { "negative child offset", 80 + 4, -80, -1, kRecordChildBackward, 80 },
        { "child offset into the parent's arguments", 80 + 4, 20, -1, kRecordChildBackward, 80 },
        { "sibling offset zero-length loop", 134, 10, -1, kRecordSiblingBackward, 134 },
        { "sibling offset back to itself", 134, -54, -1, kRecordSiblingBackward, 134 },
        { "sibling offset past the end", 134, 1000, -1, kRecordHeaderOutside, 1134 },
        { "argument length past the end", 188 + 8, 60, -1, kRecordArgumentsOutside, 188 },
        { "argument length near 2^31", 188 + 8, 0x7FFFFFFF, -1, kRecordArgumentsOutside, 188 },
        { "negative argument length", 188 + 8, -4, -1, kRecordLengthNegative, 188 },
        { "resource cut inside the last header", 0, 0, 200, kRecordHeaderOutside, 188 },
        { "resource cut inside the last arguments", 0, 0, 241, kRecordArgumentsOutside, 188 },
        { "resource shorter than a header", 0, 0, 15, kRecordHeaderOutside, 0 },
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> data = SoundTree();
        if (c.at != 0 || c.value != 0)
            Put(data, c.at, c.value);
        XGSRecordCheck check = XGRecordWalker::CheckTree(data.data(), c.size < 0 ? long(data.size()) : c.size);
        EXPECT_EQ(check.fFault, c.fault) << c.what;
        EXPECT_EQ(check.fOffset, c.record) << c.what;
    }
}

TEST(RecordWalker, UnknownSizeStillRefusesBackwardOffsets)
{
    std::vector<uint8_t> data = SoundTree();
    Put(data, 134, -54);
    EXPECT_EQ(XGRecordWalker::CheckTree(data.data(), -1).fFault, kRecordSiblingBackward);
}

std::vector<uint8_t> Nested(int levels)
{
    vres::Record top('wind', true);
    vres::Record* parent = &top;
    for (int i = 0; i < levels; i++) {
        parent->children.push_back(vres::Record('view', false));
        parent = &parent->children.back();
    }
    return vres::Encode(top);
}

TEST(RecordWalker, DepthIsLimited)
{
    std::vector<uint8_t> deepest = Nested(XGRecordWalker::kMaxDepth);
    EXPECT_EQ(XGRecordWalker::CheckTree(deepest.data(), long(deepest.size())).fFault, kRecordSound);
    std::vector<uint8_t> deeper = Nested(XGRecordWalker::kMaxDepth + 1);
    EXPECT_EQ(XGRecordWalker::CheckTree(deeper.data(), long(deeper.size())).fFault, kRecordTooDeep);
}

TEST(RecordWalker, RecordsSharedByManyParentsAreRefusedBeforeTheWalkExplodes)
{
    // Every view's first child is also its next sibling: forward offsets
    // only, yet a naive walk visits 2^n records.
    int count = 40;
    std::vector<uint8_t> data(size_t(16 * (count + 1)), 0);
    for (int i = 0; i <= count; i++) {
        size_t at = size_t(16 * i);
        Put(data, at + 12, 'view');
        if (i > 0 && i < count) {
            Put(data, at, 16);
            Put(data, at + 4, 16);
        }
    }
    Put(data, 4, 16);
    XGSRecordCheck check = XGRecordWalker::CheckTree(data.data(), long(data.size()));
    EXPECT_EQ(check.fFault, kRecordTooMany);
}

} // namespace
