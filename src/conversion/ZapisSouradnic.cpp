// The .asc writer of the coordinate variant.
#include "conversion/Slova.h"
#include "conversion/ZapisMAPA2.h"

void ZapisSouradnic(TCteckaRadku& radky, const ParametryKonverze& p, TVystup& vystup) {
    constexpr std::size_t kDavka = 1 << 16;
    const char o = p.Oddelovac;
    TKusy slova, pole;
    std::string davka;
    davka.reserve(kDavka + 256);
    radky.Zacatek();
    std::string_view radek;
    while (radky.Dalsi(radek)) {
        RozdelSlova(radek, slova);
        if (slova.empty())
            continue;
        RozdelPole(slova[0], pole);
        if (pole.size() < 2)
            continue;
        davka += pole[0];
        davka += o;
        if (pole.size() >= 3) {
            const std::string_view prvni = p.ProhozeniXY ? pole[2] : pole[1];
            const std::string_view druha = p.ProhozeniXY ? pole[1] : pole[2];
            davka += prvni;
            davka += o;
            davka += druha;
            davka += o;
        }
        if (pole.size() >= 4) {
            davka += pole[3];
            davka += o;
        }
        if (pole.size() >= 5) {
            davka += "* ";
            davka += pole[4];
        }
        davka += "\r\n";
        if (davka.size() >= kDavka) {
            vystup.Zapis(davka);
            davka.clear();
        }
    }
    vystup.Zapis(davka);
}
