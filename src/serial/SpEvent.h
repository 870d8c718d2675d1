// Auto-reset and manual-reset events, the signalling vocabulary of the port threads. Events
// that one thread waits on together share a TSpEventGroup, so WaitAny can sleep on one
// condition variable and report the first signalled event in the order given.
#pragma once

#include <chrono>
#include <condition_variable>
#include <initializer_list>
#include <memory>
#include <mutex>

struct TSpEventGroup {
    std::mutex mutex;
    std::condition_variable changed;
};

enum class TSpEventReset { erAuto, erManual };

// An explicit "no time limit" instead of a magic zero.
inline constexpr std::chrono::milliseconds SpInfinite = std::chrono::milliseconds::max();

class TSpEvent {
public:
    explicit TSpEvent(TSpEventReset reset,
                      std::shared_ptr<TSpEventGroup> group = std::make_shared<TSpEventGroup>());

    void Set();
    void Reset();
    // True when signalled within the timeout; an auto-reset event is reset by the wait.
    bool Wait(std::chrono::milliseconds timeout);
    bool IsSet() const;

    // Index of the first signalled event (auto-reset ones are reset), or -1 on timeout.
    // All events must share one group.
    static int WaitAny(std::initializer_list<TSpEvent*> events, std::chrono::milliseconds timeout);

    const std::shared_ptr<TSpEventGroup>& Group() const { return group_; }

private:
    bool TakeLocked(); // under the group mutex
    std::shared_ptr<TSpEventGroup> group_;
    TSpEventReset reset_;
    bool signalled_ = false;
};
