// The response timer of merivox-cli and the plain tests: a small thread counts the interval
// and posts each expiry to the user-interface thread of a TSpSyncUi (a TSpPlainSyncUi loop),
// where OnTimer runs. Start, Stop and SetInterval are called on that thread too.
//
// An expiry that was posted before a Stop or a restart is dropped when it comes to run: every
// Start and Stop begins a new generation, and a posted expiry fires only while its generation
// is still the current one. The timer may be destroyed with expiries still queued.
#pragma once

#include "link/Casovac.h"

#include <chrono>
#include <memory>
#include <thread>

class TSpSyncUi;

class TCasovacPlain final : public TCasovac {
public:
    explicit TCasovacPlain(TSpSyncUi& ui,
                           std::chrono::milliseconds interval = std::chrono::milliseconds(1000));
    ~TCasovacPlain() override;
    TCasovacPlain(const TCasovacPlain&) = delete;
    TCasovacPlain& operator=(const TCasovacPlain&) = delete;

    void SetInterval(std::chrono::milliseconds interval) override;
    void Start() override;
    void Stop() override;
    bool Enabled() const override;

private:
    struct TStav;
    void Beh();
    void Vyprsi(uint64_t generace);

    TSpSyncUi& ui_;
    std::shared_ptr<TStav> stav_;
    std::thread vlakno_;
};
