#include "upload/ZapisZeSouboru.h"

#include "common/Zpravy.h"
#include "upload/SouborBodu.h"
#include "upload/SouborKodu.h"
#include "upload/TextyZapisu.h"
#include "upload/ZaznamBodu.h"
#include "upload/ZaznamKodu.h"

namespace {
// A file split at another character than the comma is named, so that a wrong split shows.
void OhlasOddelovac(const TTabulkaTextu& tabulka, TZpravy& zpravy) {
    if (tabulka.Oddelovac() != 0 && tabulka.Oddelovac() != ',')
        zpravy.Zprava(TDruhZpravy::dzInformace, TextOddelovace(tabulka.Oddelovac()));
}
} // namespace

std::optional<std::string> PripravZapisSouboruBodu(const std::filesystem::path& soubor,
                                                   bool prohozeniXY, TZpravy& zpravy) {
    TTabulkaBodu tabulka;
    if (!OhlasChybu(NactiSouborTabulky(soubor, tabulka, NactiBody), zpravy))
        return std::nullopt;
    OhlasOddelovac(tabulka, zpravy);
    return PripravZapisBodu(tabulka, prohozeniXY, zpravy);
}

std::optional<std::string> PripravZapisSouboruKodu(const std::filesystem::path& soubor,
                                                   TZpravy& zpravy) {
    TTabulkaKodu tabulka;
    if (!OhlasChybu(NactiSouborTabulky(soubor, tabulka, NactiKody), zpravy))
        return std::nullopt;
    OhlasOddelovac(tabulka, zpravy);
    return PripravZapisKodu(tabulka, zpravy);
}
