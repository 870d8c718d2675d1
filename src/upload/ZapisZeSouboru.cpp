#include "upload/ZapisZeSouboru.h"

#include "upload/SouborBodu.h"
#include "upload/SouborKodu.h"
#include "upload/ZaznamBodu.h"
#include "upload/ZaznamKodu.h"

std::optional<std::string> PripravZapisSouboruBodu(const std::filesystem::path& soubor,
                                                   bool prohozeniXY, TZpravy& zpravy) {
    TTabulkaBodu tabulka;
    if (!OhlasChybu(NactiSouborTabulky(soubor, tabulka, NactiBody), zpravy))
        return std::nullopt;
    return PripravZapisBodu(tabulka, prohozeniXY, zpravy);
}

std::optional<std::string> PripravZapisSouboruKodu(const std::filesystem::path& soubor,
                                                   TZpravy& zpravy) {
    TTabulkaKodu tabulka;
    if (!OhlasChybu(NactiSouborTabulky(soubor, tabulka, NactiKody), zpravy))
        return std::nullopt;
    return PripravZapisKodu(tabulka, zpravy);
}
