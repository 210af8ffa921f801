#include <gtest/gtest.h>
#include <new>
#include <vector>
#include "FoundationTestSupport.h"
#include "foundation/XGArray.h"

namespace {

struct Record {
    int32_t id;
    char tag;
};

XGSDynArray<int32_t>& Fill(XGSDynArray<int32_t>& array, int count)
{
    for (int i = 0; i < count; ++i)
        array += i;
    return array;
}

void ExpectElements(const XGSDynArray<int32_t>& array, std::vector<int32_t> expected)
{
    ASSERT_EQ(long(expected.size()), array.Length());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(expected[i], array[long(i)]) << "element " << i;
}

} // namespace

TEST(XGArray, CapacityIsLengthRaisedToMultipleOf16)
{
    const long cases[][2] = {{0, 0}, {1, 16}, {15, 16}, {16, 16}, {17, 32}, {32, 32}, {33, 48}};
    for (const auto& c : cases)
        EXPECT_EQ(c[1], XGArray::CapacityFor(c[0])) << "length " << c[0];
}

TEST(XGArray, SeventeenthInsertGrowsCapacityTo32AndKeepsOrder)
{
    XGSDynArray<int32_t> array;
    Fill(array, 16);
    EXPECT_EQ(16, array.Capacity());
    array += 16;
    EXPECT_EQ(32, array.Capacity());
    std::vector<int32_t> expected;
    for (int i = 0; i <= 16; ++i)
        expected.push_back(i);
    ExpectElements(array, expected);
}

TEST(XGArray, DeletingShrinksCapacityAndLastDeleteReleasesBlock)
{
    XGSDynArray<int32_t> array;
    Fill(array, 17);
    array.Delete(16);
    EXPECT_EQ(16, array.Capacity());
    while (array.Length() > 1)
        array.Delete(0);
    EXPECT_TRUE(array.HasBlock());
    array.Delete(0);
    EXPECT_EQ(0, array.Capacity());
    EXPECT_FALSE(array.HasBlock());
}

TEST(XGArray, InsertShiftsLaterElementsAndDeleteCloses)
{
    XGSDynArray<int32_t> array;
    Fill(array, 4);
    array.Insert(0, 100);
    array.Insert(2, 200);
    array.Insert(array.Length(), 300);
    ExpectElements(array, {100, 0, 200, 1, 2, 3, 300});
    array.Delete(2);
    array.Delete(0);
    ExpectElements(array, {0, 1, 2, 3, 300});
}

TEST(XGArray, InsertOutsideRangeRaisesAssertionAndLeavesArray)
{
    for (long bad : {-1L, 4L}) {
        XGSDynArray<int32_t> array;
        Fill(array, 3);
        EXPECT_EQ("Internal software error ((index >= 0) && (index <= fLength)) at XGArray 188",
            ThrownMessage([&] { array.Insert(bad, 9); }))
            << "position " << bad;
        EXPECT_EQ("Assertion Failure", LastTitle());
        ExpectElements(array, {0, 1, 2});
    }
}

TEST(XGArray, DeleteAtLengthRaisesAssertion)
{
    XGSDynArray<int32_t> array;
    Fill(array, 3);
    EXPECT_EQ("Internal software error ((index >= 0) && (index < fLength)) at XGArray 90",
        ThrownMessage([&] { array.Delete(3); }));
    ExpectElements(array, {0, 1, 2});
}

TEST(XGArray, SetLengthGrowsKeepingElementsAndZeroReleasesBlock)
{
    XGSDynArray<int32_t> array;
    array.SetLength(5);
    EXPECT_EQ(5, array.Length());
    EXPECT_EQ(16, array.Capacity());
    for (long i = 0; i < 5; ++i)
        array[i] = int32_t(10 * i);
    array.SetLength(20);
    EXPECT_EQ(32, array.Capacity());
    for (long i = 0; i < 5; ++i)
        EXPECT_EQ(10 * i, array[i]);
    array.SetLength(2);
    ExpectElements(array, {0, 10});
    array.SetLength(0);
    EXPECT_FALSE(array.HasBlock());
}

TEST(XGArray, DeleteAllEmptiesAndReleases)
{
    XGSDynArray<int32_t> array;
    Fill(array, 20);
    array.DeleteAll();
    EXPECT_EQ(0, array.Length());
    EXPECT_EQ(0, array.Capacity());
    EXPECT_FALSE(array.HasBlock());
    array += 7;
    ExpectElements(array, {7});
}

TEST(XGSDynArray, StoresRecordsByValue)
{
    XGSDynArray<Record> array;
    Record first = {1, 'a'};
    array += first;
    first.id = 99;
    array.Insert(0, Record{2, 'b'});
    EXPECT_EQ(2, array[0].id);
    EXPECT_EQ(1, array[1].id);
    EXPECT_EQ('a', array[1].tag);
}

TEST(XGPDynArray, StoresPointersAndNeverDeletesTargets)
{
    static int destroyed = 0;
    struct Counted {
        ~Counted() { ++destroyed; }
    };
    Counted a, b;
    {
        XGPDynArray<Counted> array;
        array += &a;
        array.Insert(0, &b);
        EXPECT_EQ(&b, array[0]);
        EXPECT_EQ(&a, array[1]);
    }
    EXPECT_EQ(0, destroyed);
}

TEST(XGSDynArray, InsertingItsOwnElementCopiesTheElementAsItWas)
{
    // At 16 elements the insert grows the block; at 5 it only shifts the elements.
    struct Case {
        int length;
        long from;
        long at;
    } cases[] = {{16, 0, 16}, {16, 15, 0}, {16, 3, 3}, {16, 0, 0}, {5, 3, 0}, {5, 1, 4}, {5, 4, 5}};
    for (const Case& c : cases) {
        XGSDynArray<int32_t> array;
        Fill(array, c.length);
        array.Insert(c.at, array[c.from]);
        std::vector<int32_t> expected;
        for (int i = 0; i < c.length; ++i)
            expected.push_back(i);
        expected.insert(expected.begin() + c.at, int32_t(c.from));
        SCOPED_TRACE(testing::Message() << "length " << c.length << " from " << c.from << " at " << c.at);
        ExpectElements(array, expected);
    }
}

namespace {

// Refuses every smaller block while told to, as an exhausted heap would.
class ShrinkRefusingArray : public XGSDynArray<int32_t> {
public:
    bool fRefuse = false;

protected:
    void ChangeArray(long alloc, long keep) override
    {
        if (fRefuse && alloc < fAlloc)
            throw std::bad_alloc();
        XGSDynArray<int32_t>::ChangeArray(alloc, keep);
    }
};

} // namespace

TEST(XGArray, DeleteWhoseShrinkFindsNoMemoryStillSucceeds)
{
    ShrinkRefusingArray array;
    for (int i = 0; i < 17; ++i)
        array += i;
    array.fRefuse = true;
    EXPECT_NO_THROW(array.Delete(0));
    EXPECT_EQ(16, array.Length());
    EXPECT_EQ(32, array.Capacity());
    for (long i = 0; i < 16; ++i)
        EXPECT_EQ(i + 1, array[i]);
    // Once memory is back, the next resize brings the capacity in line again.
    array.fRefuse = false;
    array.Delete(15);
    EXPECT_EQ(15, array.Length());
    EXPECT_EQ(16, array.Capacity());
    array += 99;
    EXPECT_EQ(99, array[15]);
}
