#include "survey/SeznamZTabulky.h"

#include "common/Cp1250.h"

namespace {

std::string_view BezMezer(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

} // namespace

TSeznamZTabulky SeznamZTabulky(const TTabulkaBodu& tabulka) {
    TSeznamZTabulky vysledek;
    for (int r = 1; r <= tabulka.PocetRadku(); ++r) {
        if (tabulka.JePrazdnyRadek(r))
            continue;
        TBodSouradnic bod;
        bod.Cislo.assign(BezMezer(tabulka.Bunka(r, TTabulkaBodu::sbCislo)));
        bod.Kod.assign(BezMezer(tabulka.Bunka(r, TTabulkaBodu::sbPoznamka)));
        bod.Radek = std::size_t(r);
        const struct {
            int Sloupec;
            TSouradnice* Cil;
            const char* Nazev;
        } souradnice[] = {{TTabulkaBodu::sbY, &bod.Y, "Y"},
                          {TTabulkaBodu::sbX, &bod.X, "X"},
                          {TTabulkaBodu::sbZ, &bod.Z, "Z"}};
        for (const auto& s : souradnice) {
            const std::string_view text = BezMezer(tabulka.Bunka(r, s.Sloupec));
            *s.Cil = SouradniceZTextu(text);
            // Only the height may be left out.
            if (s.Cil->Je || (text.empty() && s.Sloupec == TTabulkaBodu::sbZ))
                continue;
            vysledek.Chyba = Cz("Řádek ") + std::to_string(r) + Cz(": souřadnice ") + s.Nazev +
                             (text.empty() ? Cz(" chybí.")
                                           : Cz(" \"") + std::string(text) + Cz("\" není číslo."));
            vysledek.Radek = r;
            vysledek.Sloupec = s.Sloupec;
            vysledek.Body.clear();
            return vysledek;
        }
        vysledek.Body.push_back(std::move(bod));
    }
    return vysledek;
}
