#include "survey/CteniSouradnic.h"

#include "common/Radky.h"
#include "conversion/CteckaMereni.h"
#include "conversion/Slova.h"
#include "conversion/Varianta.h"
#include "survey/ZaznamPoskozenych.h"
#include "upload/PoleSouboru.h"
#include "upload/SouborBodu.h"

#include <algorithm>
#include <utility>

namespace {

std::string_view Pole(const TKusy& pole, std::size_t cislo) {
    return pole.size() >= cislo ? pole[cislo - 1] : std::string_view();
}

// Adds the point when both plane coordinates read; notes the line when anything failed.
void Pridej(TCteniSouradnic& cteni, std::string_view cislo, std::string_view y, std::string_view x,
            std::string_view z, std::string_view kod, bool prohozeniXY, std::size_t radek) {
    TBodSouradnic bod;
    bod.Cislo.assign(cislo);
    bod.Y = SouradniceZTextu(prohozeniXY ? x : y);
    bod.X = SouradniceZTextu(prohozeniXY ? y : x);
    bod.Z = SouradniceZTextu(z);
    while (!kod.empty() && kod.front() == ' ')
        kod.remove_prefix(1);
    bod.Kod.assign(kod);
    bod.Radek = radek;
    if (!z.empty() && !bod.Z.Je)
        cteni.Necitelne.push_back(radek);
    if (cislo.empty() || !bod.Y.Je || !bod.X.Je) {
        if (cteni.Necitelne.empty() || cteni.Necitelne.back() != radek)
            cteni.Necitelne.push_back(radek);
        return;
    }
    if (!bod.Z.Je)
        bod.Z = TSouradnice{};
    cteni.Body.push_back(std::move(bod));
}

void CtiMereni(std::string_view obsah, bool prohozeniXY, TCteniSouradnic& cteni) {
    TCteckaRadku radky(TText{obsah});
    TZaznamPoskozenych poskozene;
    TCteckaMereni ctecka(radky, poskozene);
    std::string stanice;
    TKusy pole;
    for (TPolozka p; (p = ctecka.Dalsi()) != TPolozka::polKonec;) {
        if (p == TPolozka::polStanice) {
            stanice.assign(Pole(ctecka.PoleStanice(), 1));
        } else if (p == TPolozka::polXYZ) {
            RozdelPole(ctecka.XYZ(), pole);
            Pridej(cteni, stanice, Pole(pole, 1), Pole(pole, 2), Pole(pole, 3), {}, prohozeniXY,
                   radky.Cislo());
        }
    }
}

void CtiSouborSouradnic(std::string_view obsah, bool prohozeniXY, TCteniSouradnic& cteni) {
    TCteckaRadku radky(TText{obsah});
    TKusy slova, pole;
    std::string_view radek;
    while (radky.Dalsi(radek)) {
        RozdelSlova(radek, slova);
        if (slova.empty())
            continue;
        RozdelPole(slova[0], pole);
        if (pole.size() < 2) {
            if (!pole.empty() && !pole[0].empty())
                cteni.Necitelne.push_back(radky.Cislo());
            continue;
        }
        Pridej(cteni, pole[0], Pole(pole, 2), Pole(pole, 3), Pole(pole, 4), Pole(pole, 5),
               prohozeniXY, radky.Cislo());
    }
}

void CtiSouborBodu(std::string_view obsah, bool prohozeniXY, TCteniSouradnic& cteni) {
    TTabulkaBodu tabulka;
    NactiBody(obsah, tabulka);
    // The table keeps no line numbers: the rows follow the lines that gave fields, line 0
    // always filling row 1.
    const TPoleSouboru soubor = PoleSouboru(obsah);
    int radekTabulky = 0;
    for (std::size_t cislo = 0; cislo < soubor.Radky.size(); ++cislo) {
        if (cislo == 0)
            radekTabulky = 1;
        else if (!soubor.Radky[cislo].empty())
            ++radekTabulky;
        if (soubor.Radky[cislo].empty() || radekTabulky > tabulka.PocetRadku())
            continue;
        const auto& r = tabulka.Radek(radekTabulky);
        Pridej(cteni, r[TTabulkaBodu::sbCislo], r[TTabulkaBodu::sbY], r[TTabulkaBodu::sbX],
               r[TTabulkaBodu::sbZ], r[TTabulkaBodu::sbPoznamka], prohozeniXY, cislo + 1);
    }
}

// The point window writes its notes after ",* ", which the conversion's reading would cut to
// a lone "*"; and a file not separated by commas gives the conversion no fields at all.
bool JeSouborBodu(std::string_view obsah) {
    const auto radky = RadkyTextu(obsah);
    if (radky.empty() || OddelovacSouboru(radky.front()) != ',')
        return true;
    TKusy slova;
    return std::any_of(radky.begin(), radky.end(), [&](std::string_view r) {
        RozdelSlova(r, slova);
        return !slova.empty() && slova[0].ends_with(",*");
    });
}

} // namespace

TCteniSouradnic CtiSouradnice(std::string_view obsah, bool prohozeniXY) {
    TCteniSouradnic cteni;
    TCteckaRadku radky(TText{obsah});
    if (!obsah.empty() && !JeSouborSouradnic(radky, TTypStanice::tsNTS660)) {
        cteni.Druh = TDruhSouboruSouradnic::dsMereni;
        CtiMereni(obsah, prohozeniXY, cteni);
    } else if (JeSouborBodu(obsah)) {
        cteni.Druh = TDruhSouboruSouradnic::dsBody;
        CtiSouborBodu(obsah, prohozeniXY, cteni);
    } else {
        CtiSouborSouradnic(obsah, prohozeniXY, cteni);
    }
    return cteni;
}
