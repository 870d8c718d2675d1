#include "conversion/Varianta.h"

#include "common/Cp1250.h"
#include "conversion/Cisla.h"
#include "conversion/Slova.h"

#include <charconv>

namespace {

// What the pre-scan looks for in a line: "UNITS" and any of STN, BS, FS, SS. Each of them
// has an "S", so one look at every "S" finds them all.
struct TNalez {
    bool Jednotky = false;
    bool Mereni = false;
};

TNalez Hledej(std::string_view radek) {
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
    // Sixteen bytes at a time; only an "S" among them is looked at closer.
    ProjdiSestnactky(
        z, n, [](const TSestnact& b) { return b == 'S'; }, naS);
    return nalez;
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
    static const std::string kJednotky = Cz("Použity nestandardní jednotky!!\r\n");
    static const std::string kRadek = Cz("Řádek ");
    static const std::string kVyska = Cz("-Použita nestandardní výška!!\r\n");
    const TNalez nalez = Hledej(radek);
    if (jednotky_ && nalez.Jednotky && radek.find("M,G") == std::string_view::npos)
        text_ += kJednotky;
    if (!vysky_ || !nalez.Mereni)
        return;
    // Field 2 of the second word.
    const auto vyska = pole.size() >= 2 ? CtiCislo(pole[1]) : std::nullopt;
    if (vyska && (*vyska < 0 || *vyska > 4)) {
        // The warning counts lines from 0.
        char cislice[24];
        const auto konec = std::to_chars(cislice, cislice + sizeof cislice, cislo - 1).ptr;
        text_ += kRadek;
        text_.append(cislice, std::size_t(konec - cislice));
        text_ += kVyska;
    }
}

bool KontrolaNestandardnich(TCteckaRadku& radky, TTypStanice typStanice, bool souradnice,
                            bool jednotky, bool vysky, std::string& text) {
    text.clear();
    if (typStanice != TTypStanice::tsNTS660 || souradnice || !(jednotky || vysky))
        return false;
    TKontrolaNestandardnich kontrola(jednotky, vysky);
    radky.Zacatek();
    std::string_view radek;
    TKusy slova, pole;
    while (radky.Dalsi(radek)) {
        RozdelSlovaAPole(radek, slova, pole);
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
