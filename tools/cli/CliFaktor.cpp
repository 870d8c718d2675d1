// merivox-cli factor: what the parameters dialog computes for the given mean values.
#include "Cli.h"
#include "Prumery.h"

#include "common/Cp1250.h"
#include "conversion/Cisla.h"
#include "conversion/VypocetRedukci.h"

namespace {

const char* const kNapovedaFactor =
    R"(Použití: merivox-cli factor [--x X] [--y Y] [--h H] [--settings SOUBOR]
  --x X --y Y --h H   průměrné X, Y a nadmořská výška v metrech (výchozí: ze souboru nastavení):
                      X 890000 až 1380000, Y 137000 až 910000 (oblast S-JTSK), výška 0 až 2700
  --settings SOUBOR   jiný soubor nastavení než Merivex.ini vedle programu
Vypíše redukce v mm/km (RedukceJTSK, RedukceHorizont, Redukce = jejich součet)
a měřítkový faktor (MeritkovyFaktor), každou hodnotu na jednom řádku.
Návratový kód: 0 vypsáno, 1 hodnota ze souboru nastavení mimo rozsah, 2 chybné volby (také
hodnota mimo rozsah).
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
    if (const auto konec = CtiVolby(argumenty, pravidla, terminal, "factor", Cz(kNapovedaFactor)))
        return *konec;
    std::string chyba;
    if (!PlatnePrumery(prumery, chyba))
        return SpatnePouziti(terminal, "factor", chyba);
    const TNastaveniMAPA2 n = NastaveniSPrumery(prumery);
    VarujONastaveni(terminal, "factor");
    if (!PouzitelneNastaveni(prumery, n, chyba)) {
        terminal.Hlaseni("factor: ", chyba);
        return kSelhani;
    }
    const TRedukce r = VypocetRedukci(n.SouradniceX, n.SouradniceY, n.Vyska);
    terminal.Tisk(Radek("RedukceJTSK", r.JTSK, 9) + Radek("RedukceHorizont", r.Horizont, 9) +
                  Radek("Redukce", r.Celkem, 9) + Radek("MeritkovyFaktor", r.Faktor, 12));
    return kUspech;
}
