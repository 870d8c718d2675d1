#include "Prumery.h"

#include "common/Cp1250.h"
#include "common/Slozky.h"
#include "conversion/Cisla.h"

TVolba ZpracujPrumer(const TArgumenty& argumenty, std::size_t& i, TPrumeryCli& prumery) {
    const std::string& a = argumenty[i];
    auto vezmi = [&](const std::string& volba, std::optional<std::string>& cil) {
        if (a != volba && a.rfind(volba + "=", 0) != 0)
            return TVolba::Jina;
        std::string hodnota;
        if (!HodnotaVolby(argumenty, i, volba, hodnota))
            return TVolba::ChybiHodnota;
        cil = hodnota;
        return TVolba::Zpracovana;
    };
    for (auto [volba, cil] :
         {std::pair{"--x", &prumery.X}, std::pair{"--y", &prumery.Y}, std::pair{"--h", &prumery.H},
          std::pair{"--settings", &prumery.Nastaveni}}) {
        if (const TVolba v = vezmi(volba, *cil); v != TVolba::Jina)
            return v;
    }
    return TVolba::Jina;
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
