#include "conversion/KontrolaParametru.h"

#include "common/Cp1250.h"
#include "common/RozsahSJTSK.h"
#include "conversion/Cisla.h"
#include "conversion/VypocetRedukci.h"

#include <utility>

namespace {

struct TPopis {
    const char* Nazev;  // as the dialog's label names it
    const char* Prumer; // the sentence that gives the range
    TRozsah Rozsah;
};

TPopis Popis(TParametrMista p) {
    switch (p) {
    case TParametrMista::pmX:
        return {"Souřadnice X", "Průměrná souřadnice X", kRozsahX};
    case TParametrMista::pmY:
        return {"Souřadnice Y", "Průměrná souřadnice Y", kRozsahY};
    case TParametrMista::pmVyska:
        break;
    }
    return {"Nadmořská výška", "Průměrná nadmořská výška", kRozsahVysky};
}

// Whole metres with the thousands apart, as Czech writes them: "1 380 000". The blanks here
// and before the unit do not break (cp1250 0xA0): a message box would otherwise wrap
// "1 380" and "000 m" onto two lines.
constexpr char kPevnaMezera = '\xA0';
constexpr const char* kMetru = "\xA0m.";
std::string Tisice(double metry) {
    std::string cislice = std::to_string(static_cast<long long>(metry));
    for (auto i = static_cast<long>(cislice.size()) - 3; i > 0; i -= 3)
        cislice.insert(static_cast<std::size_t>(i), 1, kPevnaMezera);
    return cislice;
}

} // namespace

std::optional<std::string> ChybaParametruMista(TParametrMista parametr, const std::string& text) {
    const TPopis p = Popis(parametr);
    const std::optional<double> cislo = CtiCislo(text);
    if (cislo && p.Rozsah.Obsahuje(*cislo))
        return std::nullopt;
    std::string zprava = Cz(p.Nazev);
    if (text.empty())
        zprava += Cz(" není zadána.");
    else if (!cislo)
        zprava += " \"" + text + Cz("\" není číslo.");
    else if (parametr == TParametrMista::pmVyska)
        zprava += " \"" + text + Cz("\" je mimo možný rozsah.");
    else
        zprava += " \"" + text + Cz("\" leží mimo oblast S-JTSK.");
    return zprava + ' ' + Cz(p.Prumer) + Cz(" musí být od ") + Tisice(p.Rozsah.Od) + Cz(" do ") +
           Tisice(p.Rozsah.Do) + kMetru;
}

std::optional<TChybaMista> ChybaPrumeru(const TNastaveniMAPA2& n) {
    for (auto [parametr, text] : {std::pair{TParametrMista::pmX, &n.SouradniceX},
                                  std::pair{TParametrMista::pmY, &n.SouradniceY},
                                  std::pair{TParametrMista::pmVyska, &n.Vyska}}) {
        if (auto chyba = ChybaParametruMista(parametr, *text))
            return TChybaMista{parametr, std::move(*chyba)};
    }
    return std::nullopt;
}

bool FaktorVRozsahu(long double faktor) {
    // Compared at double precision, at which the bounds are held: a bound typed back reads
    // a hair beyond its double at extended precision.
    return RozsahFaktoru().Obsahuje(static_cast<double>(faktor));
}

std::string TextFaktorMimoRozsah(const std::string& faktor, char oddelovac) {
    const TRozsah r = RozsahFaktoru();
    return Cz("Měřítkový faktor ") + faktor + Cz(" leží mimo rozsah ") +
           TextFaktoru(r.Od, oddelovac) + Cz(" až ") + TextFaktoru(r.Do, oddelovac) +
           Cz(", který mohou dát průměrné hodnoty v oblasti S-JTSK a nadmořské výšky od ") +
           Tisice(kRozsahVysky.Od) + Cz(" do ") + Tisice(kRozsahVysky.Do) + kMetru;
}
