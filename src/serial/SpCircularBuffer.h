// The output ring buffer of the write thread: callers copy a block in under a short lock and
// the writer takes it out in contiguous pieces, so writing never blocks the caller.
// Not thread-safe by itself: the core guards it with its write lock.
#pragma once

#include <cstdint>
#include <memory>

class TSpCircularBuffer {
public:
    explicit TSpCircularBuffer(int32_t capacity);

    // All or nothing: false when length < 1 or the block does not fit into the free space.
    bool Put(const uint8_t* data, int32_t length);
    // False when count exceeds what is stored; otherwise frees count bytes at the read end.
    bool Remove(int32_t count);
    void Clear();

    int32_t Capacity() const { return capacity_; }
    int32_t Used() const;
    int32_t Free() const { return capacity_ - Used(); }
    // Bytes readable in one piece at ReadPointer().
    int32_t ContiguousUsed() const;
    const uint8_t* ReadPointer() const { return storage_.get() + read_; }

private:
    std::unique_ptr<uint8_t[]> storage_;
    int32_t capacity_;
    int32_t read_ = 0;
    int32_t write_ = 0;
    bool full_ = false; // tells "full" from "empty" when both positions are equal
};
