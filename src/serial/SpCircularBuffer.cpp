#include "serial/SpCircularBuffer.h"

#include <algorithm>
#include <cstring>

TSpCircularBuffer::TSpCircularBuffer(int32_t capacity)
    : storage_(new uint8_t[static_cast<size_t>(std::max(capacity, 1))]),
      capacity_(std::max(capacity, 1)) {}

int32_t TSpCircularBuffer::Used() const {
    if (full_)
        return capacity_;
    return write_ >= read_ ? write_ - read_ : write_ + capacity_ - read_;
}

int32_t TSpCircularBuffer::ContiguousUsed() const {
    if (full_)
        return capacity_ - read_;
    return write_ >= read_ ? write_ - read_ : capacity_ - read_;
}

bool TSpCircularBuffer::Put(const uint8_t* data, int32_t length) {
    if (length < 1 || length > Free())
        return false;
    const int32_t first = std::min(length, capacity_ - write_);
    std::memcpy(storage_.get() + write_, data, static_cast<size_t>(first));
    if (first < length)
        std::memcpy(storage_.get(), data + first, static_cast<size_t>(length - first));
    write_ = (write_ + length) % capacity_;
    full_ = write_ == read_;
    return true;
}

bool TSpCircularBuffer::Remove(int32_t count) {
    if (count < 0 || count > Used())
        return false;
    read_ = (read_ + count) % capacity_;
    if (count > 0)
        full_ = false;
    return true;
}

void TSpCircularBuffer::Clear() {
    read_ = 0;
    write_ = 0;
    full_ = false;
}
