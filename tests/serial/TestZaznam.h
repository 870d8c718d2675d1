// Records what the port core reports on its event thread, for the test thread to wait on.
#pragma once

#include "serial/SpComPortCore.h"

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <vector>

struct TCoreUdalost {
    TSpCoreEvent kind;
    uint32_t data;
};

class TZaznamUdalosti {
public:
    TSpComPortCore::TEventCallback Callback() {
        return [this](TSpComPortCore&, TSpCoreEvent kind, uint32_t data, std::exception_ptr) {
            std::lock_guard lock(mutex_);
            if (uzavreno_)
                ++poUzavreni_;
            udalosti_.push_back({kind, data});
            zmena_.notify_all();
        };
    }
    // True once the list of events satisfies the condition (false after the limit).
    bool Cekej(const std::function<bool(const std::vector<TCoreUdalost>&)>& podminka,
               std::chrono::milliseconds limit = std::chrono::seconds(10)) {
        std::unique_lock lock(mutex_);
        return zmena_.wait_for(lock, limit, [&] { return podminka(udalosti_); });
    }
    bool CekejNa(TSpCoreEvent kind, uint32_t bity = 0,
                 std::chrono::milliseconds limit = std::chrono::seconds(10)) {
        return Cekej(
            [&](const std::vector<TCoreUdalost>& u) {
                for (const TCoreUdalost& e : u)
                    if (e.kind == kind && (bity == 0 || (e.data & bity)))
                        return true;
                return false;
            },
            limit);
    }
    // True once `hotovo` holds. It is asked again each time the core reports anything, so it
    // must be a condition whose change the core reports (bytes arriving or left waiting).
    bool CekejAz(const std::function<bool()>& hotovo,
                 std::chrono::milliseconds limit = std::chrono::seconds(10)) {
        const auto konec = std::chrono::steady_clock::now() + limit;
        for (;;) {
            size_t videno;
            {
                std::lock_guard lock(mutex_);
                videno = udalosti_.size();
            }
            if (hotovo())
                return true;
            std::unique_lock lock(mutex_);
            if (!zmena_.wait_until(lock, konec, [&] { return udalosti_.size() > videno; }))
                return false;
        }
    }
    int Pocet(TSpCoreEvent kind, uint32_t bity = 0) {
        std::lock_guard lock(mutex_);
        int n = 0;
        for (const TCoreUdalost& e : udalosti_)
            n += e.kind == kind && (bity == 0 || (e.data & bity)) ? 1 : 0;
        return n;
    }
    void Vymaz() {
        std::lock_guard lock(mutex_);
        udalosti_.clear();
    }
    // From now on every event counts as one after the close.
    void Uzavreno() {
        std::lock_guard lock(mutex_);
        uzavreno_ = true;
    }
    int PoUzavreni() {
        std::lock_guard lock(mutex_);
        return poUzavreni_;
    }

private:
    std::mutex mutex_;
    std::condition_variable zmena_;
    std::vector<TCoreUdalost> udalosti_;
    bool uzavreno_ = false;
    int poUzavreni_ = 0;
};
