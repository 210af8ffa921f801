#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include "FoundationTestSupport.h"
#include "foundation/XGHandle.h"
#include "foundation/XGHandleLock.h"
#include "foundation/autoptr.h"

namespace {

std::string Bytes(const XGHandle& handle)
{
    return std::string(*handle, handle.GetSize());
}

} // namespace

TEST(XGHandle, AllocatesWholeChunksAndNeverLessThanOne)
{
    struct Case {
        uint32_t size;
        uint16_t chunk;
        uint32_t alloc;
    } cases[] = {{0, 0, 512}, {512, 0, 512}, {513, 0, 1024}, {250, 100, 300}, {0, 100, 100}, {100, 100, 100}};
    for (const Case& c : cases) {
        XGHandle handle(c.size, c.chunk);
        EXPECT_EQ(c.size, handle.GetSize());
        EXPECT_EQ(c.alloc, handle.GetAllocSize()) << "size " << c.size << " chunk " << c.chunk;
    }
}

TEST(XGHandle, GrowingWithinChunkKeepsBlock)
{
    XGHandle handle;
    char* block = *handle;
    handle.SetSize(512);
    EXPECT_EQ(block, *handle);
    EXPECT_EQ(512u, handle.GetAllocSize());
    handle.SetSize(513);
    EXPECT_EQ(1024u, handle.GetAllocSize());
}

TEST(XGHandle, InsertOpensGapAndPastEndAppends)
{
    XGHandle handle;
    handle.Append(4, "abcd");
    handle.Insert(2, 2, "XY");
    EXPECT_EQ("abXYcd", Bytes(handle));
    handle.Insert(100, 2, "ZZ");
    EXPECT_EQ("abXYcdZZ", Bytes(handle));
    handle.Insert(0, 2, nullptr);
    EXPECT_EQ(std::string("\0\0abXYcdZZ", 10), Bytes(handle));
    handle.Insert(3, 0, "ignored");
    EXPECT_EQ(10u, handle.GetSize());
}

TEST(XGHandle, InsertFromItsOwnBytesCopiesThemAsTheyWere)
{
    // Chunks of 16: "abcdefghijklmnop" fills one, so every insert below grows the block;
    // a shorter text grows nothing and only shifts bytes under the source.
    struct Case {
        const char* text;
        uint32_t from;
        uint32_t length;
        uint32_t at;
        const char* expected;
    } cases[] = {
        {"abcdefghijklmnop", 0, 4, 16, "abcdefghijklmnopabcd"},
        {"abcdefghijklmnop", 10, 4, 2, "abklmncdefghijklmnop"},
        {"abcdefghijklmnop", 2, 6, 5, "abcdecdefghfghijklmnop"},
        {"abcdefghijklmnop", 0, 16, 0, "abcdefghijklmnopabcdefghijklmnop"},
        {"abcdefgh", 4, 3, 1, "aefgbcdefgh"},
        {"abcdefgh", 1, 4, 3, "abcbcdedefgh"},
        {"abcdefgh", 0, 2, 8, "abcdefghab"},
    };
    for (const Case& c : cases) {
        XGHandle handle(0, 16);
        handle.Append(uint32_t(strlen(c.text)), c.text);
        handle.Insert(c.at, c.length, *handle + c.from);
        EXPECT_EQ(c.expected, Bytes(handle)) << c.text << " from " << c.from << " at " << c.at;
    }
}

TEST(XGHandle, DeleteRemovesRangeAndStopsAtEnd)
{
    XGHandle handle;
    handle.Append(6, "abcdef");
    handle.Delete(1, 2);
    EXPECT_EQ("adef", Bytes(handle));
    handle.Delete(2, 50); // a range past the end is cut at the end
    EXPECT_EQ("ad", Bytes(handle));
}

TEST(XGHandle, LockedHandleRefusesResizeWithAssertion)
{
    XGHandle handle(10, 0);
    handle.Lock();
    EXPECT_EQ("Internal software error (fLock == 0) at XGHandle 209", ThrownMessage([&] { handle.SetSize(20); }));
    EXPECT_EQ("Internal software error (fLock == 0) at XGHandle 209",
        ThrownMessage([&] { handle.Append(1, "x"); }));
    EXPECT_EQ("Internal software error (fLock == 0) at XGHandle 345", ThrownMessage([&] { handle.Delete(0, 1); }));
    handle.Delete(0, 0); // nothing to remove: no assertion
    EXPECT_EQ(10u, handle.GetSize());
}

TEST(XGHandle, UnlockNeverGoesBelowZero)
{
    XGHandle handle;
    handle.Unlock();
    EXPECT_EQ(0, handle.GetLockCount());
    handle.Lock();
    handle.Lock();
    handle.Unlock();
    EXPECT_EQ(1, handle.GetLockCount());
}

TEST(XGHandleLock, LocksForItsScope)
{
    XGHandle handle;
    {
        XGHandleLock lock(handle);
        EXPECT_EQ(1, handle.GetLockCount());
        EXPECT_EQ("Internal software error (fLock == 0) at XGHandle 209",
            ThrownMessage([&] { handle.SetSize(1); }));
    }
    EXPECT_EQ(0, handle.GetLockCount());
    handle.SetSize(1);
}

TEST(XGHandle, ShortsAreBigEndianAtAnyOffset)
{
    XGHandle handle(5, 0);
    handle.SetShort(0, 0x1234);
    handle.SetShort(3, -2);
    EXPECT_EQ(0x12, handle.GetChar(0));
    EXPECT_EQ(0x34, handle.GetChar(1));
    EXPECT_EQ(0x1234, handle.GetShort(0));
    EXPECT_EQ(char(0xFF), handle.GetChar(3));
    EXPECT_EQ(char(0xFE), handle.GetChar(4));
    EXPECT_EQ(-2, handle.GetShort(3));
}

TEST(XGHandle, AssignmentCopiesBytesButKeepsChunkAndLock)
{
    XGHandle source;
    source.Append(3, "xyz");
    XGHandle target(0, 100);
    target = source;
    EXPECT_EQ("xyz", Bytes(target));
    EXPECT_EQ(100u, target.GetAllocSize());
}

TEST(XGHandle, SizeBeyondAddressableReportsOutOfMemoryAndKeepsBlock)
{
    XGHandle handle;
    handle.Append(3, "abc");
    char* block = *handle;
    EXPECT_EQ("There is insufficient memory in the heap in order to complete this operation.",
        ThrownMessage([&] { handle.SetSize(0xFFFFFFFFu); }));
    EXPECT_EQ("Out of memory", LastTitle());
    EXPECT_EQ(block, *handle);
    EXPECT_EQ("abc", Bytes(handle));
    EXPECT_EQ(512u, handle.GetAllocSize());
}

TEST(XGHandle, SwapHandsTheBlocksOverWithoutCopying)
{
    XGHandle big(0, 64);
    big.Append(100, nullptr);
    XGHandle small;
    small.Append(3, "abc");
    char* bigBlock = *big;
    char* smallBlock = *small;
    big.Swap(small);
    EXPECT_EQ(bigBlock, *small);
    EXPECT_EQ(100u, small.GetSize());
    EXPECT_EQ(128u, small.GetAllocSize());
    EXPECT_EQ(smallBlock, *big);
    EXPECT_EQ("abc", Bytes(big));
    // Each keeps growing in the other's chunks.
    small.Append(1, "x");
    EXPECT_EQ(128u, small.GetAllocSize());
}

TEST(autoptr, DeletesItsObjectAtScopeEnd)
{
    int destroyed = 0;
    struct Probe {
        int* counter;
        int value;
        ~Probe() { ++*counter; }
    };
    {
        autoptr<Probe> empty;
        EXPECT_EQ(nullptr, empty.Ptr());
        autoptr<Probe> held(new Probe{&destroyed, 7});
        EXPECT_EQ(7, held->value);
        EXPECT_EQ(7, (*held).value);
        empty = new Probe{&destroyed, 8};
        EXPECT_EQ(8, empty.Ptr()->value);
    }
    EXPECT_EQ(2, destroyed);
}
