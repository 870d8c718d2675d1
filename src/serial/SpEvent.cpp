#include "serial/SpEvent.h"

TSpEvent::TSpEvent(TSpEventReset reset, std::shared_ptr<TSpEventGroup> group)
    : group_(std::move(group)), reset_(reset) {}

void TSpEvent::Set() {
    {
        std::lock_guard lock(group_->mutex);
        signalled_ = true;
    }
    group_->changed.notify_all();
}

void TSpEvent::Reset() {
    std::lock_guard lock(group_->mutex);
    signalled_ = false;
}

bool TSpEvent::IsSet() const {
    std::lock_guard lock(group_->mutex);
    return signalled_;
}

bool TSpEvent::TakeLocked() {
    if (!signalled_)
        return false;
    if (reset_ == TSpEventReset::erAuto)
        signalled_ = false;
    return true;
}

bool TSpEvent::Wait(std::chrono::milliseconds timeout) {
    return WaitAny({this}, timeout) == 0;
}

int TSpEvent::WaitAny(std::initializer_list<TSpEvent*> events, std::chrono::milliseconds timeout) {
    TSpEventGroup& group = *(*events.begin())->group_;
    std::unique_lock lock(group.mutex);
    auto first = [&]() -> int {
        int index = 0;
        for (TSpEvent* event : events) {
            if (event->TakeLocked())
                return index;
            ++index;
        }
        return -1;
    };
    int found = first();
    if (found >= 0)
        return found;
    if (timeout == SpInfinite) {
        group.changed.wait(lock, [&] { return (found = first()) >= 0; });
        return found;
    }
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    group.changed.wait_until(lock, deadline, [&] { return (found = first()) >= 0; });
    return found;
}
