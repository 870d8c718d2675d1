#include "conversion/Varianta.h"

#include "common/Cp1250.h"
#include "conversion/Cisla.h"
#include "conversion/Slova.h"

#include <bit>
#include <charconv>
#include <cstdint>

namespace {

// What the pre-scan looks for in a line: "UNITS" and any of STN, BS, FS, SS. Each of them
// has an "S", so one look at every "S" finds them all.
struct TNalez {
    bool Jednotky = false;
    bool Mereni = false;
};

TNalez Hledej(std::string_view radek, bool presah) {
    TNalez nalez;
    const char* const z = radek.data();
    const std::size_t n = radek.size();
    auto naS = [&](std::size_t i) {
        if (i > 0 && (z[i - 1] == 'B' || z[i - 1] == 'F' || z[i - 1] == 'S'))
            nalez.Mereni = true;
        if (i + 2 < n && z[i + 1] == 'T' && z[i + 2] == 'N')
            nalez.Mereni = true;
        if (i >= 4 && radek.substr(i - 4, 4) == "UNIT")
            nalez.Jednotky = true;
    };
    // Only an "S" is looked at closer.
    if (presah)
        ProjdiSPresahem(
            z, n, [](const TSestnact& b) { return b == 'S'; }, naS);
    else
        ProjdiOsmice(
            z, n, [](std::uint64_t osm) { return ZnakyVOsmi(osm, 'S'); }, naS);
    return nalez;
}

// Whether a height is no number, or one from 0 to 4 m: no warning. The common form, a digit
// from 0 to 3 and a fraction ("1.126"), is told without reading the number.
bool VyskaBezVarovani(std::string_view text) {
    if (!text.empty() && text[0] >= '0' && text[0] <= '3' &&
        (text.size() == 1 || (text.size() > 2 && text[1] == '.'))) {
        // A loop that may stop at any byte: a vectorised one costs more than the few digits.
        std::size_t i = 2;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i;
        if (i >= text.size())
            return true;
    }
    const auto vyska = CtiCislo(text);
    return !vyska || (*vyska >= 0 && *vyska <= 4);
}

} // namespace

bool JeSouborSouradnic(TCteckaRadku& radky, TTypStanice typStanice) {
    if (typStanice != TTypStanice::tsNTS660)
        return false;
    radky.Zacatek();
    std::string_view prvni;
    return radky.Dalsi(prvni) && prvni.find("NTS") == std::string_view::npos;
}

bool JeSouborSouradnic(const std::filesystem::path& soubor, TTypStanice typStanice) {
    TCteckaRadku radky(soubor);
    return radky.Otevreno() && JeSouborSouradnic(radky, typStanice);
}

void TKontrolaNestandardnich::NovyRadek(std::string_view radek, std::size_t cislo,
                                        const TKusy& pole) {
    const TNalez nalez = Hledej(radek, presah_);
    if (jednotky_ && nalez.Jednotky && radek.find("M,G") == std::string_view::npos) {
        static const std::string kJednotky = Cz("Použity nestandardní jednotky!!\r\n");
        text_ += kJednotky;
    }
    // Field 2 of the second word.
    if (!vysky_ || !nalez.Mereni || pole.size() < 2 || VyskaBezVarovani(pole[1]))
        return;
    static const std::string kRadek = Cz("Řádek ");
    static const std::string kVyska = Cz("-Použita nestandardní výška!!\r\n");
    // The warning counts lines from 0.
    char cislice[24];
    const auto konec = std::to_chars(cislice, cislice + sizeof cislice, cislo - 1).ptr;
    text_ += kRadek;
    text_.append(cislice, std::size_t(konec - cislice));
    text_ += kVyska;
}

bool KontrolaNestandardnich(TCteckaRadku& radky, TTypStanice typStanice, bool souradnice,
                            bool jednotky, bool vysky, std::string& text) {
    text.clear();
    if (typStanice != TTypStanice::tsNTS660 || souradnice || !(jednotky || vysky))
        return false;
    const bool presah = radky.PresahRadku();
    TKontrolaNestandardnich kontrola(jednotky, vysky, presah);
    radky.Zacatek();
    std::string_view radek;
    TKusy slova, pole;
    while (radky.Dalsi(radek)) {
        RozdelSlovaAPole(radek, slova, pole, presah);
        kontrola.NovyRadek(radek, radky.Cislo(), pole);
    }
    text = kontrola.Text();
    return !text.empty();
}

bool KontrolaNestandardnich(const std::filesystem::path& soubor, TTypStanice typStanice,
                            bool souradnice, bool jednotky, bool vysky, std::string& text) {
    TCteckaRadku radky(soubor);
    text.clear();
    return radky.Otevreno() &&
           KontrolaNestandardnich(radky, typStanice, souradnice, jednotky, vysky, text);
}
