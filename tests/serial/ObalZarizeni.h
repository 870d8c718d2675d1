// The system's backend behind a wrapper that passes every call on, so that a test can override
// the one call it wants to hide, record or count.
#pragma once

#include "serial/SpObalBackendu.h"

using TObalZarizeni = TSpObalBackendu;

#include <atomic>
#include <memory>

// The system's backend, counting the event thread's waits and those that ended before their
// time with nothing to report (a thread that spins makes nothing but those).
inline std::atomic<int> gCekani{0};
inline std::atomic<int> gCekaniBezCasu{0};

class TPocitaneCekani final : public TObalZarizeni {
public:
    TSpWaitResult WaitEvent(std::chrono::milliseconds t, bool w, uint32_t& mask) override {
        const TSpWaitResult vysledek = b_->WaitEvent(t, w, mask);
        if (vysledek != TSpWaitResult::wrTimeout && mask == 0)
            ++gCekaniBezCasu;
        ++gCekani;
        gCekani.notify_all();
        return vysledek;
    }
};

inline std::unique_ptr<TSpBackend> PocitaneCekani() {
    return std::make_unique<TPocitaneCekani>();
}

// Until the event thread has made `pocet` more waits.
inline void CekejNaCekani(int pocet) {
    const int zacatek = gCekani;
    for (int n = gCekani; n < zacatek + pocet; n = gCekani)
        gCekani.wait(n);
}
