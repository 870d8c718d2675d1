// The points every export test writes (tests/data/export/body.txt): spread over Czechia, with
// a leading zero, Czech letters, characters a CSV quotes and a layer name may not hold, two
// codes that differ in case only, and a point without a height.
#pragma once

#include "SlozkaTestu.h"
#include "common/Cp1250.h"
#include "survey/SeznamSouradnic.h"

#include <sstream>

inline std::filesystem::path DataExportu(const std::string& jmeno) {
    return std::filesystem::path(MERIVOX_TEST_DATA) / "export" / jmeno;
}

inline TSeznamSouradnic BodyExportu() {
    TSeznamSouradnic body;
    std::istringstream radky(NactiSoubor(DataExportu("body.txt")));
    std::string radek;
    while (std::getline(radky, radek)) {
        if (radek.empty() || radek[0] == '#')
            continue;
        std::vector<std::string> pole;
        std::istringstream r(radek);
        for (std::string p; std::getline(r, p, '\t');)
            pole.push_back(Utf8NaCp1250(p));
        pole.resize(5);
        TBodSouradnic bod;
        bod.Cislo = pole[0];
        bod.Y = SouradniceZTextu(pole[1]);
        bod.X = SouradniceZTextu(pole[2]);
        bod.Z = SouradniceZTextu(pole[3]);
        bod.Kod = pole[4];
        bod.Radek = body.size() + 1;
        body.push_back(bod);
    }
    return body;
}
