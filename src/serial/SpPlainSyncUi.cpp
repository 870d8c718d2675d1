#include "serial/SpPlainSyncUi.h"

#include <iostream>

TSpPlainSyncUi::TSpPlainSyncUi() : owner_(std::this_thread::get_id()) {}

void TSpPlainSyncUi::Post(std::function<void()> call) {
    {
        std::lock_guard lock(mutex_);
        queue_.push_back(std::move(call));
    }
    posted_.notify_one();
}

void TSpPlainSyncUi::ShowException(std::exception_ptr error) {
    if (OnException) {
        OnException(error);
        return;
    }
    std::cerr << SpTextVyjimky(error) << '\n';
}

bool TSpPlainSyncUi::RunOne(std::chrono::steady_clock::time_point deadline) {
    std::function<void()> call;
    {
        std::unique_lock lock(mutex_);
        if (!posted_.wait_until(lock, deadline, [&] { return !queue_.empty(); }))
            return false;
        call = std::move(queue_.front());
        queue_.pop_front();
    }
    call();
    return true;
}

int TSpPlainSyncUi::ProcessPosted() {
    int count = 0;
    while (RunOne(std::chrono::steady_clock::now()))
        ++count;
    return count;
}

void TSpPlainSyncUi::ProcessFor(std::chrono::milliseconds duration) {
    const auto deadline = std::chrono::steady_clock::now() + duration;
    while (std::chrono::steady_clock::now() < deadline)
        RunOne(deadline);
}

bool TSpPlainSyncUi::ProcessUntil(const std::function<bool()>& condition,
                                  std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return condition();
        RunOne(deadline);
    }
    return true;
}
