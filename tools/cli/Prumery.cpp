#include "Prumery.h"

#include "common/Cesty.h"
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
        if (!*hodnota)
            continue;
        const auto cislo = CtiCislo(**hodnota);
        if (!cislo) {
            chyba = Cz("Hodnota volby ") + volba + Cz(" není číslo: \"") + **hodnota + "\".";
            return false;
        }
        // The dialog's fields take digits only: a mean value is never negative there.
        if (*cislo < 0) {
            chyba = Cz("Hodnota volby ") + volba +
                    Cz(" nesmí být záporná (dialog parametrů MAPA2 ") + Cz("ji nepřijme): \"") +
                    **hodnota + "\".";
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
        const char* Klic;
        const std::string& Hodnota;
    } hodnoty[] = {{prumery.X, "Coordinate X", n.SouradniceX},
                   {prumery.Y, "Coordinate Y", n.SouradniceY},
                   {prumery.H, "Altitude", n.Vyska}};
    for (const auto& h : hodnoty) {
        if (h.Volba)
            continue;
        const auto cislo = CtiCislo(h.Hodnota);
        if (cislo && *cislo >= 0)
            continue;
        chyba = Cz("Soubor nastavení \"") + TextCesty(CestaNastaveni()) +
                Cz("\", sekce [S-JTSK], klíč \"") + h.Klic + Cz("\": hodnotu \"") + h.Hodnota +
                Cz("\" nelze použít (dialog parametrů MAPA2 bere jen nezáporné číslo). ") +
                Cz("Opravte ji, nebo ji zadejte volbou ") +
                (h.Klic[0] == 'A'    ? "--h"
                 : h.Klic[11] == 'X' ? "--x"
                                     : "--y") +
                ".";
        return false;
    }
    return true;
}

std::string TextNelzeSpocitat() {
    return Cz("Pro zadané průměrné hodnoty nelze redukci délek spočítat.");
}
