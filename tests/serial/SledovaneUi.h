// The plain user-interface loop with a count of the calls posted to it, so that a test can
// wait until a worker has posted its call (the call waiting in the queue) instead of sleeping.
#pragma once

#include "serial/SpPlainSyncUi.h"

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <utility>

class TSledovaneUi : public TSpPlainSyncUi {
public:
    void Post(std::function<void()> call) override {
        TSpPlainSyncUi::Post(std::move(call));
        {
            std::lock_guard lock(mutex_);
            ++pocet_;
        }
        zmena_.notify_all();
    }
    int Posted() {
        std::lock_guard lock(mutex_);
        return pocet_;
    }
    // Blocks (without running anything) until `pocet` calls have been posted in all.
    bool CekejNaPosted(int pocet, std::chrono::milliseconds limit = std::chrono::seconds(10)) {
        std::unique_lock lock(mutex_);
        return zmena_.wait_for(lock, limit, [&] { return pocet_ >= pocet; });
    }

private:
    std::mutex mutex_;
    std::condition_variable zmena_;
    int pocet_ = 0;
};
