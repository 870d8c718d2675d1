#include "upload/SouborKodu.h"

#include "upload/PoleSouboru.h"
#include "upload/VelkaPismena.h"

void NactiKody(std::string_view obsah, TTabulkaKodu& tabulka) {
    tabulka.InicializujTabulku();
    auto radky = PoleSouboru(obsah);
    tabulka.Rezervuj(int(radky.size()));
    for (std::size_t cislo = 0; cislo < radky.size(); ++cislo) {
        auto& pole = radky[cislo];
        if (pole.empty())
            continue;
        if (cislo != 0)
            tabulka.PridejRadek();
        const int r = tabulka.PocetRadku();
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

std::optional<TChybaSouboru> NactiSouborKodu(const std::filesystem::path& soubor,
                                             TTabulkaKodu& tabulka) {
    tabulka.InicializujTabulku();
    std::string obsah;
    if (auto chyba = NactiObsahSouboru(soubor, obsah))
        return chyba;
    NactiKody(obsah, tabulka);
    return std::nullopt;
}

std::optional<TChybaSouboru> UlozSouborKodu(const std::filesystem::path& soubor,
                                            const TTabulkaKodu& tabulka) {
    return ZapisObsahSouboru(soubor, TextSouboruKodu(tabulka));
}

bool NactiSouborKodu(const std::filesystem::path& soubor, TTabulkaKodu& tabulka, TZpravy& zpravy) {
    return OhlasChybu(NactiSouborKodu(soubor, tabulka), zpravy);
}

bool UlozSouborKodu(const std::filesystem::path& soubor, const TTabulkaKodu& tabulka,
                    TZpravy& zpravy) {
    return OhlasChybu(UlozSouborKodu(soubor, tabulka), zpravy);
}
