#include "Prumery.h"

#include "common/Cesty.h"
#include "common/Cp1250.h"
#include "common/Slozky.h"
#include "conversion/KontrolaParametru.h"

#include <tuple>

std::vector<TVolba> VolbyPrumeru(TPrumeryCli& prumery) {
    return {Hodnota("--x", prumery.X), Hodnota("--y", prumery.Y), Hodnota("--h", prumery.H),
            Hodnota("--settings", prumery.Nastaveni)};
}

bool PlatnePrumery(const TPrumeryCli& prumery, std::string& chyba) {
    for (auto [volba, hodnota, parametr] :
         {std::tuple{"--x", &prumery.X, TParametrMista::pmX},
          std::tuple{"--y", &prumery.Y, TParametrMista::pmY},
          std::tuple{"--h", &prumery.H, TParametrMista::pmVyska}}) {
        if (!*hodnota)
            continue;
        if (auto text = ChybaParametruMista(parametr, **hodnota)) {
            chyba = ChybnaHodnota(volba, *text);
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

bool PouzitelneNastaveni(const TPrumeryCli& prumery, const TNastaveniMAPA2& n, std::string& chyba) {
    const struct {
        const std::optional<std::string>& Volba;
        TParametrMista Parametr;
        const char* Klic;
        const char* Moznost;
        const std::string& Hodnota;
    } hodnoty[] = {{prumery.X, TParametrMista::pmX, "Coordinate X", "--x", n.SouradniceX},
                   {prumery.Y, TParametrMista::pmY, "Coordinate Y", "--y", n.SouradniceY},
                   {prumery.H, TParametrMista::pmVyska, "Altitude", "--h", n.Vyska}};
    for (const auto& h : hodnoty) {
        if (h.Volba)
            continue;
        const auto proc = ChybaParametruMista(h.Parametr, h.Hodnota);
        if (!proc)
            continue;
        chyba = Cz("Soubor nastavení \"") + TextCesty(CestaNastaveni()) +
                Cz("\", sekce [S-JTSK], klíč \"") + h.Klic + Cz("\": hodnotu \"") + h.Hodnota +
                Cz("\" nelze použít. ") + *proc + Cz(" Opravte ji, nebo ji zadejte volbou ") +
                h.Moznost + ".";
        return false;
    }
    return true;
}
