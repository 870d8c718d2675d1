#include "upload/ZapisTextu.h"

#include "common/Cesty.h"
#include "common/Cp1250.h"
#include "common/RozpoznaniTextu.h"
#include "common/Zpravy.h"
#include "upload/SouborTabulky.h"
#include "upload/TextyZapisu.h"

namespace {

// The name of a character that speaks to the station in the conversation itself.
const char* ZnakKomunikace(char32_t znak) {
    switch (znak) {
    case 0x04:
        return "EOT (04h)";
    case 0x11:
        return "DC1 (11h)";
    case 0x13:
        return "DC3 (13h)";
    default:
        return nullptr;
    }
}

} // namespace

std::optional<std::string> PripravZapisTextu(const std::filesystem::path& soubor, TZpravy& zpravy) {
    std::string text;
    if (!OhlasChybu(NactiObsahSouboru(soubor, text), zpravy))
        return std::nullopt;
    if (const auto vada = PrevedNaCp1250(text, TKonecStahovani::ksOdmitnout)) {
        const char* znak =
            vada->Druh == TVadaTextu::TDruh::dvRidiciZnak ? ZnakKomunikace(vada->Znak) : nullptr;
        zpravy.Zprava(TDruhZpravy::dzChyba,
                      znak ? Cz("Řádek ") + std::to_string(vada->Radek) + Cz(" souboru \"") +
                                 TextCesty(soubor) + Cz("\" obsahuje řídicí znak ") + znak +
                                 Cz(", který by ukončil nebo zastavil komunikaci se stanicí. "
                                    "Nic nebylo odesláno.")
                           : TextVadyTextu(soubor, *vada) + Cz(" Nic nebylo odesláno."));
        return std::nullopt;
    }
    if (text.find_first_not_of("\r\n") == std::string::npos) {
        zpravy.Zprava(TDruhZpravy::dzInformace, TextZadnaData());
        return std::nullopt;
    }
    return text;
}
