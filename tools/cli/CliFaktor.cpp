// merivox-cli factor: what the parameters dialog computes for the given mean values.
#include "Cli.h"
#include "Prumery.h"

#include "common/Cp1250.h"
#include "conversion/Cisla.h"
#include "conversion/VypocetRedukci.h"

#include <cmath>

namespace {

const char* const kNapoveda =
    R"(Použití: merivox-cli factor [--x X] [--y Y] [--h H] [--settings SOUBOR]
  --x X --y Y --h H   průměrné X, Y a nadmořská výška v metrech (výchozí: ze souboru nastavení)
  --settings SOUBOR   jiný soubor nastavení než Merivex.ini vedle programu
Vypíše redukce v mm/km (RedukceJTSK, RedukceHorizont, Redukce = jejich součet)
a měřítkový faktor (MeritkovyFaktor), každou hodnotu na jednom řádku.
)";

std::string Radek(const char* nazev, double hodnota, int desetinna) {
    std::string radek = std::string(nazev) + ' ';
    PripojPevne(radek, hodnota, desetinna);
    return radek + '\n';
}

} // namespace

int CliFaktor(const TArgumenty& argumenty, const TTerminal& terminal) {
    TPrumeryCli prumery;
    TPravidlaVoleb pravidla;
    pravidla.Volby = VolbyPrumeru(prumery);
    if (const auto konec = CtiVolby(argumenty, pravidla, terminal, "factor", Cz(kNapoveda)))
        return *konec;
    std::string chyba;
    if (!PlatnePrumery(prumery, chyba))
        return SpatnePouziti(terminal, "factor", chyba);
    const TNastaveniMAPA2 n = NastaveniSPrumery(prumery);
    if (!PouzitelneNastaveni(prumery, n, chyba)) {
        terminal.Hlaseni("factor: ", chyba);
        return kSelhani;
    }
    const TRedukce r = VypocetRedukci(n.SouradniceX, n.SouradniceY, n.Vyska);
    if (!std::isfinite(r.Faktor))
        return SpatnePouziti(terminal, "factor", TextNelzeSpocitat());
    terminal.Tisk(Radek("RedukceJTSK", r.JTSK, 9) + Radek("RedukceHorizont", r.Horizont, 9) +
                  Radek("Redukce", r.Celkem, 9) + Radek("MeritkovyFaktor", r.Faktor, 12));
    return kUspech;
}
