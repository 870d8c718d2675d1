// A conversion interface for tests: records every message, the question and the damaged
// lines, answers the question as told and hands over fixed parameters.
#pragma once

#include "conversion/KonverzeRozhrani.h"

#include <functional>
#include <string>
#include <vector>

struct TZaznamRozhrani : TKonverzeRozhrani, TZpravy {
    struct TZprava {
        TDruhZpravy Druh;
        std::string Text;
    };

    TVolbyKonverze Volby;
    bool Zrusit = false; // the parameters step is cancelled
    bool Odpoved = true;
    std::function<void()> PriParametrech; // runs inside the parameters step

    std::vector<TZprava> Zpravy_;
    std::vector<std::string> Otazky;
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
    void Zprava(TDruhZpravy druh, const std::string& text) override {
        Zpravy_.push_back({druh, text});
    }
    bool OtazkaAnoNe(const std::string& titulek, const std::string& text) override {
        Otazky.push_back(titulek + "|" + text);
        return Odpoved;
    }
};
