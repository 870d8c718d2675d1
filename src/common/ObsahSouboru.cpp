#include "common/ObsahSouboru.h"

#include "common/Cesty.h"
#include "common/Cp1250.h"
#include "common/NahradaSouboru.h"
#include "common/RozpoznaniTextu.h"
#include "common/Zpravy.h"

#include <cerrno>
#include <fstream>

namespace fs = std::filesystem;

namespace {

std::string SDuvodem(std::string text, const std::error_code& duvod) {
    if (duvod)
        text += " (" + TextChyby(duvod) + ")";
    return text + ".";
}

// What the C library left in errno after a stream failed (streams keep no error of their own).
std::error_code ChybaProudu() {
    return {errno, std::generic_category()};
}

} // namespace

std::string TextNelzeCist(const fs::path& soubor, std::error_code duvod) {
    return SDuvodem(Cz("Soubor \"") + TextCesty(soubor) + Cz("\" nelze přečíst"), duvod);
}

std::string TextNelzeVytvorit(const fs::path& soubor, std::error_code duvod) {
    return SDuvodem(Cz("Soubor \"") + TextCesty(soubor) + Cz("\" nelze vytvořit"), duvod);
}

std::string TextNelzeZapsat(const fs::path& soubor, std::error_code duvod) {
    return SDuvodem(Cz("Do souboru \"") + TextCesty(soubor) + Cz("\" nelze zapsat"), duvod);
}

std::string TChybaSouboru::Text() const {
    if (!Popis.empty())
        return Popis;
    switch (Druh) {
    case TDruhChybySouboru::dcVytvoreni:
        return TextNelzeVytvorit(Soubor, Duvod);
    case TDruhChybySouboru::dcZapis:
        return TextNelzeZapsat(Soubor, Duvod);
    case TDruhChybySouboru::dcCteni:
        break;
    }
    return TextNelzeCist(Soubor, Duvod);
}

std::optional<TChybaSouboru> NactiObsahSouboru(const fs::path& soubor, std::string& obsah) {
    obsah.clear();
    const auto chyba = [&](std::error_code duvod) {
        obsah.clear();
        return TChybaSouboru{TDruhChybySouboru::dcCteni, soubor, duvod};
    };
    std::error_code ec;
    if (fs::is_directory(soubor, ec))
        return chyba(std::make_error_code(std::errc::is_a_directory));
    errno = 0;
    std::ifstream vstup(soubor, std::ios::binary);
    if (!vstup)
        return chyba(ChybaProudu());
    char blok[65536];
    while (vstup.read(blok, sizeof blok) || vstup.gcount() > 0) {
        obsah.append(blok, std::size_t(vstup.gcount()));
        // An endless device (/dev/zero) must not exhaust the memory.
        if (obsah.size() > kNejdelsiVstup) {
            obsah.clear();
            return TChybaSouboru{
                TDruhChybySouboru::dcCteni, soubor, {}, TextPrilisDlouhyVstup(soubor)};
        }
    }
    if (vstup.bad())
        return chyba(ChybaProudu());
    return std::nullopt;
}

std::optional<TChybaSouboru> ZapisObsahSouboru(const fs::path& soubor, const std::string& obsah) {
    TNahradaSouboru nahrada(soubor);
    if (const std::error_code chyba = nahrada.Chyba())
        return TChybaSouboru{TDruhChybySouboru::dcVytvoreni, soubor, chyba};
    nahrada.Zapis(obsah);
    if (const std::error_code chyba = nahrada.Dokonci())
        return TChybaSouboru{TDruhChybySouboru::dcZapis, soubor, chyba};
    return std::nullopt;
}

bool OhlasChybu(const std::optional<TChybaSouboru>& chyba, TZpravy& zpravy) {
    if (!chyba)
        return true;
    zpravy.Zprava(TDruhZpravy::dzVyjimka, chyba->Text());
    return false;
}
