#include "export/ZemepisneBody.h"

#include "common/Cp1250.h"
#include "export/TextCisla.h"

#include <algorithm>
#include <cmath>

namespace {

std::string NazevBodu(const TBodSouradnic& bod) {
    std::string nazev = Cz("Bod \"") + bod.Cislo + "\"";
    if (bod.Radek)
        nazev += Cz(" (řádek ") + std::to_string(bod.Radek) + ")";
    return nazev;
}

} // namespace

TZemepisneBody UmistiBody(const TSeznamSouradnic& body, TTransformaceJTSK& transformace) {
    TZemepisneBody vysledek;
    for (const TBodSouradnic& bod : body) {
        if (bod.Soustava == TSoustava::ssMistni) {
            vysledek.Odmitnute.push_back(NazevBodu(bod) + Cz(" je v místní soustavě."));
            continue;
        }
        if (bod.Soustava == TSoustava::ssNeorientovana) {
            vysledek.Odmitnute.push_back(
                NazevBodu(bod) + Cz(" je z neorientovaného stanoviska, jeho souřadnice nemusí být "
                                    "v S-JTSK."));
            continue;
        }
        if (!bod.Y.Je || !bod.X.Je) {
            vysledek.Odmitnute.push_back(NazevBodu(bod) + Cz(" nemá souřadnice Y a X."));
            continue;
        }
        const TZemepisnaPoloha p = transformace.Preved(bod.Y.Hodnota, bod.X.Hodnota);
        if (!p.Prevedeno || !p.VOblasti) {
            vysledek.Odmitnute.push_back(
                NazevBodu(bod) + Cz(" (Y ") + bod.Y.Text + ", X " + bod.X.Text +
                Cz(") leží mimo oblast, v níž platí převod z S-JTSK do WGS 84 (Česko, "
                   "Slovensko)."));
            continue;
        }
        vysledek.Body.push_back({&bod, p.Delka, p.Sirka});
        const bool znama =
            std::any_of(vysledek.Operace.begin(), vysledek.Operace.end(),
                        [&](const TPouzitaOperace& o) { return o.Nazev == p.Operace; });
        if (!znama)
            vysledek.Operace.push_back({p.Operace, p.Presnost});
    }
    return vysledek;
}

std::string PopisOperaci(const std::vector<TPouzitaOperace>& operace) {
    std::string popis = "S-JTSK (EPSG:5514) na WGS 84 (EPSG:4326) knihovnou PROJ: ";
    for (std::size_t i = 0; i < operace.size(); ++i) {
        if (i)
            popis += "; ";
        popis += operace[i].Nazev;
        if (operace[i].Presnost >= 0)
            popis += " (přesnost " + KratkeCislo(operace[i].Presnost) + " m)";
        else
            popis += " (přesnost neznámá)";
    }
    return popis + ".";
}
