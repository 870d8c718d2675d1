#include "VolbyMapa2.h"

#include "common/Cp1250.h"
#include "conversion/Cisla.h"
#include "conversion/KontrolaParametru.h"
#include "conversion/VypocetRedukci.h"

std::vector<TVolba> VolbyMapa2(TVolbyMapa2Cli& v) {
    std::vector<TVolba> volby = VolbyPrumeru(v.Prumery);
    volby.insert(volby.end(), {Hodnota("--station", v.Stanice), Hodnota("--factor", v.Faktor),
                               Hodnota("--mark", v.Znak), Prepinac("--swap-xy", v.ProhozeniXY)});
    return volby;
}

TPravidlaVoleb PravidlaMapa2(TVolbyMapa2Cli& v, std::vector<std::string>& soubory) {
    return {.Volby = VolbyMapa2(v),
            .Argument =
                [&soubory](const std::string& soubor) {
                    soubory.push_back(soubor);
                    return true;
                },
            .KonecVoleb = true};
}

std::optional<int> PouzijVolbyMapa2(const TVolbyMapa2Cli& v, const TTerminal& terminal,
                                    const std::string& prikaz, TMapa2Cli& vysledek) {
    const std::optional<TTypStanice> stanice =
        v.Stanice ? TypStaniceZTextu(*v.Stanice) : TTypStanice::tsNTS660;
    if (!stanice)
        return SpatnePouziti(
            terminal, prikaz,
            ChybnaHodnota("--station", Cz("Typ stanice musí být NTS-660 nebo NTS-350, ne \"") +
                                           terminal.ZTerminalu(*v.Stanice) + "\"."));
    vysledek.Typ = *stanice;
    std::string chyba;
    if (!PlatnePrumery(v.Prumery, chyba))
        return SpatnePouziti(terminal, prikaz, chyba);

    TNastaveniMAPA2& nastaveni = vysledek.Nastaveni;
    nastaveni = NastaveniSPrumery(v.Prumery);
    VarujONastaveni(terminal, prikaz);
    if (v.Znak) {
        nastaveni.ZnakOrientace = terminal.ZTerminalu(*v.Znak);
        if (nastaveni.ZnakOrientace.size() > 1)
            return SpatnePouziti(
                terminal, prikaz,
                ChybnaHodnota("--mark", Cz("Označení orientačních bodů je jediný znak, ne \"") +
                                            nastaveni.ZnakOrientace + "\"."));
    }
    if (v.ProhozeniXY)
        nastaveni.ProhozeniXY = true;
    if (v.Faktor) {
        const auto faktor = CtiCislo(*v.Faktor);
        if (!faktor || *faktor <= 0)
            return SpatnePouziti(
                terminal, prikaz,
                ChybnaHodnota("--factor", Cz("Měřítkový faktor musí být kladné číslo, ne \"") +
                                              terminal.ZTerminalu(*v.Faktor) + "\"."));
        vysledek.Faktor = CtiFaktor(*v.Faktor, '.');
        // Distances of 10^21 m are never what was meant: an impossible factor is not used.
        if (!FaktorVRozsahu(*vysledek.Faktor))
            return SpatnePouziti(
                terminal, prikaz,
                ChybnaHodnota("--factor",
                              TextFaktorMimoRozsah(terminal.ZTerminalu(*v.Faktor), '.')));
    } else if (!PouzitelneNastaveni(v.Prumery, nastaveni, chyba)) {
        terminal.Hlaseni(prikaz + ": ", chyba);
        return kSelhani;
    }
    return std::nullopt;
}
