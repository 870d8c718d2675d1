#include "upload/SouborBodu.h"

#include "common/GlobalniFunkce.h"
#include "upload/PoleSouboru.h"

void NactiBody(std::string_view obsah, TTabulkaBodu& tabulka) {
    tabulka.InicializujTabulku();
    auto [radky, oddelovac] = PoleSouboru(obsah);
    tabulka.Rezervuj(int(radky.size()));
    for (std::size_t cislo = 0; cislo < radky.size(); ++cislo) {
        auto& pole = radky[cislo];
        if (pole.empty())
            continue;
        if (cislo != 0)
            tabulka.PridejRadek();
        const int r = tabulka.PocetRadku();
        tabulka.NastavOddelovac(oddelovac);
        std::string poznamka;
        for (std::size_t i = 0; i < pole.size(); ++i) {
            if (i < TTabulkaBodu::sbPoznamka) {
                tabulka.NastavBunku(r, int(i), std::move(pole[i]));
                continue;
            }
            poznamka += pole[i];
            OrizniZnak(poznamka, '*', true, false);
        }
        tabulka.NastavBunku(r, TTabulkaBodu::sbPoznamka, std::move(poznamka));
    }
}

std::string TextSouboruBodu(const TTabulkaBodu& tabulka) {
    std::string text;
    for (int r = 1; r <= tabulka.PocetRadku(); ++r) {
        if (tabulka.JePrazdnyRadek(r))
            continue;
        const auto& radek = tabulka.Radek(r);
        text += radek[TTabulkaBodu::sbCislo];
        text += ',';
        text += radek[TTabulkaBodu::sbY];
        text += ',';
        text += radek[TTabulkaBodu::sbX];
        text += ',';
        text += radek[TTabulkaBodu::sbZ];
        if (const auto& poznamka = radek[TTabulkaBodu::sbPoznamka]; !poznamka.empty()) {
            text += ",* ";
            text += poznamka;
        }
        text += "\r\n";
    }
    return text;
}
