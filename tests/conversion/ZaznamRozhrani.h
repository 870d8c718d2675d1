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
    bool Zrusit = false;                  // the parameters step is cancelled
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

// The same for an interface that asks the user nothing, as merivox-cli's: the conversion may
// check the input's text while it converts it.
struct TZaznamRozhraniBezOtazek : TZaznamRozhrani {
    bool BezOtazek() const override { return true; }
};

// A measurement file body of `pocet` side shots on one station, larger than the reader's first
// chunk for a few thousand.
inline std::string StaniceSMerenimi(int pocet) {
    std::string text = "STN 1,1.500\r\n";
    for (int i = 0; i < pocet; ++i)
        text += "SS 3,1.500,KOD\r\nSD 1.0000,90.0000,10.000\r\n";
    return text;
}
