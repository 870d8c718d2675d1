#include "upload/ZaznamKodu.h"

#include "common/Zpravy.h"
#include "upload/TextyZapisu.h"
#include "upload/VelkaPismena.h"

std::string ZaznamKodu(const TTabulkaTextu::TRadek& radek) {
    return VelkaPismenaAscii(radek[TTabulkaKodu::skKod]) + ",1," +
           VelkaPismenaAscii(radek[TTabulkaKodu::skAdresar]) + "\r\n";
}

std::string SestavZapisKodu(const TTabulkaKodu& tabulka) {
    std::string text;
    for (int r = 1; r <= tabulka.PocetRadku(); ++r)
        if (!tabulka.JePrazdnyRadek(r))
            text += ZaznamKodu(tabulka.Radek(r));
    return text;
}

std::optional<std::string> PripravZapisKodu(const TTabulkaKodu& tabulka, TZpravy& zpravy) {
    auto text = SestavZapisKodu(tabulka);
    if (text.empty()) {
        zpravy.Zprava(TDruhZpravy::dzInformace, TextZadnaData());
        return std::nullopt;
    }
    return text;
}
