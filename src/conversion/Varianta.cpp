#include "conversion/Varianta.h"

#include "common/Cp1250.h"
#include "conversion/Cisla.h"
#include "conversion/Slova.h"

#include <charconv>

namespace {

// Whether the line mentions STN, BS, FS or SS anywhere: each ends or starts at an "S".
bool ZminujeMereni(std::string_view radek) {
    for (std::size_t i = radek.find('S'); i != std::string_view::npos; i = radek.find('S', i + 1)) {
        if (i > 0 && (radek[i - 1] == 'B' || radek[i - 1] == 'F' || radek[i - 1] == 'S'))
            return true;
        if (radek.substr(i + 1, 2) == "TN")
            return true;
    }
    return false;
}

} // namespace

bool JeSouborSouradnic(TCteckaRadku& radky, std::uint8_t typStanice) {
    if (typStanice != 2)
        return false;
    radky.Zacatek();
    std::string_view prvni;
    return radky.Dalsi(prvni) && prvni.find("NTS") == std::string_view::npos;
}

bool JeSouborSouradnic(const std::filesystem::path& soubor, std::uint8_t typStanice) {
    TCteckaRadku radky(soubor);
    return radky.Otevreno() && JeSouborSouradnic(radky, typStanice);
}

bool KontrolaNestandardnich(TCteckaRadku& radky, std::uint8_t typStanice, bool souradnice,
                            bool jednotky, bool vysky, std::string& text) {
    text.clear();
    if (typStanice != 2 || souradnice || !(jednotky || vysky))
        return false;
    static const std::string kJednotky = Cz("Použity nestandardní jednotky!!\r\n");
    static const std::string kRadek = Cz("Řádek ");
    static const std::string kVyska = Cz("-Použita nestandardní výška!!\r\n");

    TKusy slova, pole;
    radky.Zacatek();
    std::string_view radek;
    for (std::size_t cislo = 0; radky.Dalsi(radek); ++cislo) {
        if (jednotky && radek.find("UNITS") != std::string_view::npos &&
            radek.find("M,G") == std::string_view::npos)
            text += kJednotky;
        if (!vysky || !ZminujeMereni(radek))
            continue;
        RozdelSlova(radek, slova);
        if (slova.size() < 2)
            continue;
        RozdelPole(slova[1], pole);
        if (pole.size() < 2)
            continue;
        if (const auto vyska = CtiCislo(pole[1]); vyska && (*vyska < 0 || *vyska > 4)) {
            char cislice[24];
            const auto konec = std::to_chars(cislice, cislice + sizeof cislice, cislo).ptr;
            text += kRadek;
            text.append(cislice, std::size_t(konec - cislice));
            text += kVyska;
        }
    }
    return !text.empty();
}

bool KontrolaNestandardnich(const std::filesystem::path& soubor, std::uint8_t typStanice,
                            bool souradnice, bool jednotky, bool vysky, std::string& text) {
    TCteckaRadku radky(soubor);
    text.clear();
    return radky.Otevreno() &&
           KontrolaNestandardnich(radky, typStanice, souradnice, jednotky, vysky, text);
}
