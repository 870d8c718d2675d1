#include "link/CasovacPlain.h"

#include "serial/SpSyncCall.h"

#include <condition_variable>
#include <mutex>

// Shared with the expiries on their way to the user-interface thread, so that one which runs
// after the timer is gone finds out and does nothing.
struct TCasovacPlain::TStav {
    std::mutex mutex;
    std::condition_variable zmena;
    std::chrono::milliseconds interval{1000};
    std::chrono::steady_clock::time_point termin{};
    uint64_t generace = 0;
    bool zapnuto = false;
    bool konec = false;
    bool zrusen = false; // only the user-interface thread reads and writes it
    TCasovacPlain* casovac = nullptr;
};

TCasovacPlain::TCasovacPlain(TSpSyncUi& ui, std::chrono::milliseconds interval)
    : ui_(ui), stav_(std::make_shared<TStav>()) {
    stav_->interval = interval;
    stav_->casovac = this;
    vlakno_ = std::thread([this] { Beh(); });
}

TCasovacPlain::~TCasovacPlain() {
    {
        std::lock_guard lock(stav_->mutex);
        stav_->konec = true;
        stav_->zapnuto = false;
        ++stav_->generace;
    }
    stav_->zmena.notify_all();
    vlakno_.join();
    stav_->zrusen = true;
}

void TCasovacPlain::SetInterval(std::chrono::milliseconds interval) {
    std::lock_guard lock(stav_->mutex);
    stav_->interval = interval;
}

void TCasovacPlain::Start() {
    {
        std::lock_guard lock(stav_->mutex);
        ++stav_->generace;
        stav_->zapnuto = true;
        stav_->termin = std::chrono::steady_clock::now() + stav_->interval;
    }
    stav_->zmena.notify_all();
}

void TCasovacPlain::Stop() {
    {
        std::lock_guard lock(stav_->mutex);
        if (!stav_->zapnuto)
            return;
        ++stav_->generace;
        stav_->zapnuto = false;
    }
    stav_->zmena.notify_all();
}

bool TCasovacPlain::Enabled() const {
    std::lock_guard lock(stav_->mutex);
    return stav_->zapnuto;
}

// The timer thread: waits for the deadline of the running generation, posts the expiry and
// counts the next interval from now, as a periodic timer does.
void TCasovacPlain::Beh() {
    std::unique_lock lock(stav_->mutex);
    while (!stav_->konec) {
        if (!stav_->zapnuto) {
            stav_->zmena.wait(lock);
            continue;
        }
        const uint64_t generace = stav_->generace;
        if (stav_->zmena.wait_until(lock, stav_->termin,
                                    [&] { return stav_->konec || stav_->generace != generace; }))
            continue;
        stav_->termin = std::chrono::steady_clock::now() + stav_->interval;
        std::weak_ptr<TStav> slaby = stav_;
        lock.unlock();
        ui_.Post([slaby, generace] {
            const std::shared_ptr<TStav> stav = slaby.lock();
            if (!stav || stav->zrusen)
                return;
            stav->casovac->Vyprsi(generace);
        });
        lock.lock();
    }
}

// On the user-interface thread.
void TCasovacPlain::Vyprsi(uint64_t generace) {
    {
        std::lock_guard lock(stav_->mutex);
        if (!stav_->zapnuto || stav_->generace != generace)
            return; // stopped or restarted since this expiry was posted
    }
    if (OnTimer)
        OnTimer();
}
