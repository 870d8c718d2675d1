// A link driver for tests and what it needs around it: a waiting dialog the test steers, a
// response timer on the test's own clock, and the environment that hands both to the driver.
#pragma once

#include "common/Zpravy.h"
#include "link/Komunikace.h"
#include "serial/SpPlainSyncUi.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// What the test's waiting dialog saw, and how the test steers it.
struct TStavCekani {
    int ukazano = 0;
    int zavreno = 0;
    std::vector<std::string> texty;
    std::function<void()> PriUkazani;       // runs when the dialog comes up
    std::function<bool()> Prerusit;         // "Přerušit" pressed once this holds
    std::chrono::milliseconds limit{30000}; // a dialog nobody closes fails the test
};

// The waiting dialog: a nested loop of `ui` until the driver closes it or the test presses
// "Přerušit"; without a loop it is pressed at once.
class TTestCekani final : public TCekaniNaData {
public:
    TTestCekani(TSpPlainSyncUi* ui, TStavCekani& stav) : ui_(ui), stav_(stav) {}
    bool UkazModalne() override {
        ++stav_.ukazano;
        if (stav_.PriUkazani)
            stav_.PriUkazani();
        if (!ui_)
            return true;
        const bool konec = ui_->ProcessUntil(
            [this] { return zavreno_ || (stav_.Prerusit && stav_.Prerusit()); }, stav_.limit);
        if (zavreno_)
            return false;
        if (!konec)
            ADD_FAILURE() << "the waiting dialog stayed open";
        return true;
    }
    void NastavText(const std::string& text) override { stav_.texty.push_back(text); }
    void Zavri() override {
        zavreno_ = true;
        ++stav_.zavreno;
    }

private:
    TSpPlainSyncUi* ui_;
    TStavCekani& stav_;
    bool zavreno_ = false;
};

// The response timer on the test's clock: it expires only when the test moves the clock on,
// and counts its expiries (where given), so that a test can say "at the fourth expiry".
class TFalesnyCasovac final : public TCasovac {
public:
    explicit TFalesnyCasovac(int* pocet = nullptr) : pocet_(pocet) {}
    void SetInterval(std::chrono::milliseconds interval) override { interval_ = interval; }
    void Start() override {
        zapnuto_ = true;
        zbyva_ = interval_;
    }
    void Stop() override { zapnuto_ = false; }
    bool Enabled() const override { return zapnuto_; }

    // Moves the clock on: every expiry on the way fires, in turn.
    void Posun(std::chrono::milliseconds cas) {
        while (zapnuto_ && cas >= zbyva_) {
            cas -= zbyva_;
            zbyva_ = interval_;
            if (pocet_)
                ++*pocet_;
            if (OnTimer)
                OnTimer();
        }
        if (zapnuto_)
            zbyva_ -= cas;
    }

private:
    int* pocet_;
    bool zapnuto_ = false;
    std::chrono::milliseconds interval_{1000};
    std::chrono::milliseconds zbyva_{0};
};

// The driver's surroundings: messages to `zpravy`, the waiting dialog TTestCekani on `cekani`
// (a nested loop of `ui`; without a loop, a download started by mistake ends at once as
// aborted), the response timer TFalesnyCasovac counting its expiries in `vyprseni` and handed
// to `casovac` when made. A test that needs another timer or dialog replaces the factory.
inline TProstrediKomunikace ProstrediDriveru(TZpravy& zpravy, TStavCekani& cekani,
                                             TSpPlainSyncUi* ui = nullptr, int* vyprseni = nullptr,
                                             TFalesnyCasovac** casovac = nullptr) {
    TProstrediKomunikace p;
    p.VytvorCekani = [ui, &cekani] {
        return std::make_unique<TTestCekani>(ui, cekani);
    };
    p.VytvorCasovac = [vyprseni, casovac] {
        auto novy = std::make_unique<TFalesnyCasovac>(vyprseni);
        if (casovac)
            *casovac = novy.get();
        return novy;
    };
    p.Zpravy = &zpravy;
    return p;
}
