// The user-interface side of the sync call table without a toolkit: posted calls wait in a
// queue until the thread that owns this object processes them. merivox-cli and the tests run
// their "user-interface thread" as a loop around ProcessFor / ProcessUntil.
#pragma once

#include "serial/SpSyncCall.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

class TSpPlainSyncUi : public TSpSyncUi {
public:
    // The constructing thread is the user-interface thread.
    TSpPlainSyncUi();

    void Post(std::function<void()> call) override;
    bool IsUiThread() const override { return std::this_thread::get_id() == owner_; }
    // Calls the handler given, or writes the message to standard error.
    void ShowException(std::exception_ptr error) override;

    // Runs the calls posted so far; returns how many ran. On the owning thread only.
    int ProcessPosted();
    // Runs posted calls as they come for the given time.
    void ProcessFor(std::chrono::milliseconds duration);
    // Runs posted calls until the condition holds (checked after each call) or the time is up;
    // returns the condition.
    bool ProcessUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit);

    std::function<void(std::exception_ptr)> OnException;

private:
    bool RunOne(std::chrono::steady_clock::time_point deadline);

    std::thread::id owner_;
    std::mutex mutex_;
    std::condition_variable posted_;
    std::deque<std::function<void()>> queue_;
};
