#include "conversion/RozborVstupu.h"

#include "common/Cesty.h"
#include "common/Cp1250.h"
#include "conversion/Cisla.h"
#include "conversion/Slova.h"
#include "conversion/TextyKonverze.h"

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

bool JeZaznamMereni(std::string_view slovo) {
    return slovo == "STN" || slovo == "BS" || slovo == "FS" || slovo == "SS";
}

// A line of the coordinate variant that gives a point: number, then two numeric coordinates.
bool JeBod(std::string_view prvniSlovo, TKusy& pole) {
    RozdelPole(prvniSlovo, pole);
    return pole.size() >= 3 && CtiCislo(pole[1]) && CtiCislo(pole[2]);
}

std::string Jmeno(const std::filesystem::path& soubor) {
    return Cz("Soubor \"") + TextCesty(soubor) + "\"";
}

const std::string kNicNeprevedeno = Cz(" Nic nebylo převedeno.");

} // namespace

TRozborVstupu RozborVstupu(TCteckaRadku& radky, TTypStanice zvolenyTyp, bool celyText) {
    TRozborVstupu r;
    r.Typ = zvolenyTyp;
    TKusy slova, pole;
    radky.Zacatek();
    std::string_view radek;
    // Read only until the answer is known.
    while (!(r.NecoKPrevodu && (r.RadkyMereni || !r.SouborSouradnic)) && radky.Dalsi(radek)) {
        if (radky.Cislo() == 1) {
            r.Prazdny = false;
            if (radek.starts_with(kBom))
                radek.remove_prefix(kBom.size());
            RozdelSlova(radek, slova);
            if (!slova.empty())
                r.TypZeSouboru = TypStaniceZTextu(std::string(slova[0]));
            r.Typ = r.TypZeSouboru.value_or(zvolenyTyp);
            r.SouborSouradnic =
                r.Typ == TTypStanice::tsNTS660 && radek.find("NTS") == std::string_view::npos;
        }
        RozdelSlova(radek, slova);
        if (slova.empty())
            continue;
        const bool mereni = JeZaznamMereni(slova[0]);
        r.RadkyMereni = r.RadkyMereni || mereni;
        r.NecoKPrevodu = r.NecoKPrevodu || (r.SouborSouradnic ? JeBod(slova[0], pole) : mereni);
    }
    if (!celyText)
        return r;
    // The text check needs every byte; only a text with other bytes than plain ASCII is gone
    // through line by line.
    radky.Zacatek();
    bool prosty = true;
    for (std::string_view kus; prosty && radky.DalsiKus(kus);)
        prosty = JenProstyText(kus);
    if (!prosty) {
        TRozpoznaniTextu text;
        radky.Zacatek();
        while (radky.Dalsi(radek))
            text.Radek(radek);
        r.Vada = text.Vada();
        r.Kodovani = text.Kodovani();
    }
    return r;
}

std::optional<std::string> TextOdmitnuti(const std::filesystem::path& soubor,
                                         const TRozborVstupu& r) {
    if (r.Prazdny)
        return Jmeno(soubor) + Cz(" je prázdný; očekávají se naměřená data totální stanice.") +
               kNicNeprevedeno;
    if (r.Vada)
        return TextVadyTextu(soubor, *r.Vada) +
               Cz(" Očekávají se naměřená data totální stanice (text).") + kNicNeprevedeno;
    if (r.Typ != TTypStanice::tsNTS660 || r.NecoKPrevodu)
        return std::nullopt;
    if (!r.SouborSouradnic)
        return Jmeno(soubor) +
               Cz(" nemá ani jeden záznam stanoviska (STN) nebo měření (BS, FS, SS); "
                  "očekávají se naměřená data NTS-660.") +
               kNicNeprevedeno;
    if (r.RadkyMereni)
        return Jmeno(soubor) +
               Cz(" vypadá jako naměřená data, kterým chybí první řádek s typem přístroje "
                  "(NTS-660): bez něj se převádí jako soubor souřadnic a žádný bod v něm není.") +
               kNicNeprevedeno;
    return Jmeno(soubor) +
           Cz(" nemá ani jeden bod se dvěma číselnými souřadnicemi (číslo,Y,X,...); soubor, "
              "jehož první řádek neobsahuje NTS, se převádí jako soubor souřadnic.") +
           kNicNeprevedeno;
}

std::string TextTypZeSouboru(const std::filesystem::path& soubor, const TRozborVstupu& r,
                             TTypStanice zvolenyTyp) {
    return Jmeno(soubor) + Cz(" je podle prvního řádku z přístroje ") + TextTypuStanice(r.Typ) +
           Cz(", zvolen je typ ") + TextTypuStanice(zvolenyTyp) + Cz("; převádí se jako ") +
           TextTypuStanice(r.Typ) + ".";
}

std::string TextNeprevadiSe(const std::filesystem::path& soubor, const TRozborVstupu& r,
                            TTypStanice zvolenyTyp) {
    if (r.TypZeSouboru && *r.TypZeSouboru != zvolenyTyp)
        return Jmeno(soubor) + Cz(" je podle prvního řádku z přístroje ") + TextTypuStanice(r.Typ) +
               Cz(" (zvolen je typ ") + TextTypuStanice(zvolenyTyp) + "). " +
               TextNicNebyloPrevedeno();
    return TextNicNebyloPrevedeno();
}

std::string TextSouradniceSRadkyMereni(const std::filesystem::path& soubor) {
    return Jmeno(soubor) +
           Cz(" se převádí jako soubor souřadnic (první řádek neobsahuje NTS), ale má řádky "
              "STN, BS, FS nebo SS: vypadá jako naměřená data, kterým chybí první řádek s typem "
              "přístroje. Tyto řádky se nepřevedou.");
}
