#include "serial/SpCircularBuffer.h"

#include <gtest/gtest.h>
#include <numeric>
#include <string>
#include <vector>

namespace {

std::string Obsah(TSpCircularBuffer& b) {
    // Reads everything in the contiguous pieces the writer would take.
    std::string text;
    while (b.Used() > 0) {
        const int32_t n = b.ContiguousUsed();
        text.append(reinterpret_cast<const char*>(b.ReadPointer()), static_cast<size_t>(n));
        b.Remove(n);
    }
    return text;
}

bool Put(TSpCircularBuffer& b, const std::string& s) {
    return b.Put(reinterpret_cast<const uint8_t*>(s.data()), static_cast<int32_t>(s.size()));
}

} // namespace

TEST(SpCircularBuffer, FullBufferRefusesMoreAndEmptiesCompletely) {
    TSpCircularBuffer b(2048);
    std::vector<uint8_t> data(2048);
    std::iota(data.begin(), data.end(), uint8_t{0});
    ASSERT_TRUE(b.Put(data.data(), 2048));
    EXPECT_EQ(b.Used(), 2048);
    EXPECT_EQ(b.Free(), 0);
    EXPECT_EQ(b.ContiguousUsed(), 2048);
    const uint8_t one = 1;
    EXPECT_FALSE(b.Put(&one, 1));
    EXPECT_TRUE(b.Remove(2048));
    EXPECT_EQ(b.Used(), 0);
    EXPECT_EQ(b.Free(), 2048);
    EXPECT_TRUE(b.Put(&one, 1)) << "after Remove(2048) the buffer is empty, not full";
}

TEST(SpCircularBuffer, BlockPastTheEndIsStoredInTwoPiecesInOrder) {
    TSpCircularBuffer b(10);
    ASSERT_TRUE(Put(b, "abcdefg"));
    ASSERT_TRUE(b.Remove(6));      // read position 6, one byte left
    ASSERT_TRUE(Put(b, "hijklm")); // 3 bytes up to the end, 3 from the start
    EXPECT_EQ(b.Used(), 7);
    EXPECT_EQ(b.ContiguousUsed(), 4) << "the first piece ends at the end of the storage";
    EXPECT_EQ(Obsah(b), "ghijklm");
}

TEST(SpCircularBuffer, RefusesNothingAndTooMuchWhole) {
    TSpCircularBuffer b(8);
    EXPECT_FALSE(Put(b, ""));
    EXPECT_FALSE(b.Put(nullptr, -1));
    ASSERT_TRUE(Put(b, "12345"));
    EXPECT_FALSE(Put(b, "6789")) << "4 bytes do not fit into 3 free";
    EXPECT_EQ(b.Used(), 5) << "a refused block leaves nothing behind";
    EXPECT_FALSE(b.Remove(6));
    EXPECT_TRUE(b.Remove(0));
    EXPECT_EQ(Obsah(b), "12345");
}

TEST(SpCircularBuffer, FullAfterWrapAndClear) {
    TSpCircularBuffer b(4);
    ASSERT_TRUE(Put(b, "ab"));
    ASSERT_TRUE(b.Remove(2));
    ASSERT_TRUE(Put(b, "cdef")); // wraps and fills: both positions at 2
    EXPECT_EQ(b.Used(), 4);
    EXPECT_EQ(b.ContiguousUsed(), 2);
    EXPECT_EQ(Obsah(b), "cdef");
    ASSERT_TRUE(Put(b, "xy"));
    b.Clear();
    EXPECT_EQ(b.Used(), 0);
    EXPECT_EQ(b.ContiguousUsed(), 0);
}
