#include "upload/SouborKodu.h"

#include "upload/PoleSouboru.h"
#include "upload/VelkaPismena.h"

void NactiKody(std::string_view obsah, TTabulkaKodu& tabulka) {
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
        for (std::size_t i = 0; i < pole.size() && i < TTabulkaKodu::kPocetSloupcu; ++i)
            tabulka.NastavBunku(r, int(i), std::move(pole[i]));
    }
}

std::string TextSouboruKodu(const TTabulkaKodu& tabulka) {
    std::string text;
    for (int r = 1; r <= tabulka.PocetRadku(); ++r) {
        if (tabulka.JePrazdnyRadek(r))
            continue;
        text += VelkaPismenaAscii(tabulka.Bunka(r, TTabulkaKodu::skAdresar));
        text += ',';
        text += tabulka.Bunka(r, TTabulkaKodu::skKod);
        text += "\r\n";
    }
    return text;
}
