// Test helpers: tables from literal rows, and the message recorder.
#pragma once

#include "ZaznamZprav.h"
#include "common/Cp1250.h"
#include "upload/TabulkaBodu.h"
#include "upload/TabulkaKodu.h"

#include <string>
#include <utility>
#include <vector>

using TRadky = std::vector<std::vector<std::string>>;

// Cells given in UTF-8 (as typed in the test), stored as cp1250.
template <class TTabulka> TTabulka TabulkaZRadku(const TRadky& radky) {
    TTabulka tabulka;
    for (std::size_t r = 0; r < radky.size(); ++r) {
        if (r > 0)
            tabulka.PridejRadek();
        for (std::size_t s = 0; s < radky[r].size(); ++s)
            tabulka.NastavBunku(int(r + 1), int(s), Cz(radky[r][s].c_str()));
    }
    return tabulka;
}

// The table's rows as UTF-8, for readable comparisons.
inline TRadky RadkyTabulky(const TTabulkaTextu& tabulka) {
    TRadky radky;
    for (int r = 1; r <= tabulka.PocetRadku(); ++r) {
        radky.emplace_back();
        for (const auto& bunka : tabulka.Radek(r))
            radky.back().push_back(Cp1250NaUtf8(bunka));
    }
    return radky;
}
