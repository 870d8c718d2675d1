#include "Prumery.h"

#include "common/Cp1250.h"
#include "common/Slozky.h"
#include "conversion/Cisla.h"

std::vector<TVolba> VolbyPrumeru(TPrumeryCli& prumery) {
    return {Hodnota("--x", prumery.X), Hodnota("--y", prumery.Y), Hodnota("--h", prumery.H),
            Hodnota("--settings", prumery.Nastaveni)};
}

bool PlatnePrumery(const TPrumeryCli& prumery, std::string& chyba) {
    for (auto [volba, hodnota] : {std::pair{"--x", &prumery.X}, std::pair{"--y", &prumery.Y},
                                  std::pair{"--h", &prumery.H}}) {
        if (*hodnota && !CtiCislo(**hodnota)) {
            chyba = Cz("Hodnota volby ") + volba + Cz(" není číslo: \"") + **hodnota + "\".";
            return false;
        }
    }
    return true;
}

TNastaveniMAPA2 NastaveniSPrumery(const TPrumeryCli& prumery) {
    if (prumery.Nastaveni)
        PrepisCestuNastaveni(*prumery.Nastaveni);
    TNastaveniMAPA2 n = NactiNastaveniMAPA2(TIniFile(CestaNastaveni()));
    if (prumery.X)
        n.SouradniceX = *prumery.X;
    if (prumery.Y)
        n.SouradniceY = *prumery.Y;
    if (prumery.H)
        n.Vyska = *prumery.H;
    return n;
}

std::string TextNelzeSpocitat() {
    return Cz("Pro zadané průměrné hodnoty nelze redukci délek spočítat.");
}
