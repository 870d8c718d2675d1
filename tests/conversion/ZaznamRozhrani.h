// A conversion interface for tests: records every message, the question and the damaged
// lines, answers the question as told (yes unless told otherwise) and hands over fixed
// parameters.
#pragma once

#include "ZaznamZprav.h"
#include "conversion/KonverzeRozhrani.h"

#include <functional>
#include <string>
#include <vector>

struct TZaznamRozhrani : TKonverzeRozhrani, TZaznamZprav {
    TZaznamRozhrani() { odpoved = true; }

    TVolbyKonverze Volby;
    bool Zrusit = false; // the parameters step is cancelled
    std::function<void()> PriParametrech; // runs inside the parameters step

    std::vector<std::size_t> PoskozeneRadky;
    int PocetParametru = 0;
    bool PosledniMereni = false;

    TZpravy& Zpravy() override { return *this; }
    std::optional<TVolbyKonverze> Parametry(TTypStanice, bool mereni) override {
        ++PocetParametru;
        PosledniMereni = mereni;
        if (PriParametrech)
            PriParametrech();
        if (Zrusit)
            return std::nullopt;
        return Volby;
    }
    void PoskozenaData(std::size_t radek) override {
        PoskozeneRadky.push_back(radek);
        TKonverzeRozhrani::PoskozenaData(radek);
    }
};
