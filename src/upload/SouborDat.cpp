#include "upload/SouborDat.h"

#include "common/Cp1250.h"
#include "common/NahradaSouboru.h"
#include "common/RozpoznaniTextu.h"
#include "common/Zpravy.h"

#include <cerrno>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::string JmenoProZpravu(const fs::path& soubor) {
    const auto utf8 = soubor.u8string();
    return Utf8NaCp1250(std::string(utf8.begin(), utf8.end()));
}

// The reason in the system's words; errno is what the C library left after a stream failed.
std::string DuvodChyby(int cislo) {
    return cislo == 0 ? std::string()
                      : Utf8NaCp1250(std::error_code(cislo, std::generic_category()).message());
}

std::string DuvodChyby(const std::error_code& ec) {
    return Utf8NaCp1250(ec.message());
}

} // namespace

std::string TChybaSouboru::Text() const {
    return Duvod.empty() ? Zprava : Zprava + "\r\n" + Duvod;
}

std::string ZpravaNelzeOtevrit(const fs::path& soubor) {
    return "Cannot open file " + JmenoProZpravu(soubor) + ".";
}

std::string ZpravaNelzeVytvorit(const fs::path& soubor) {
    return "Cannot create file " + JmenoProZpravu(soubor) + ".";
}

std::optional<TChybaSouboru> NactiObsahSouboru(const fs::path& soubor, std::string& obsah) {
    obsah.clear();
    std::error_code ec;
    if (fs::is_directory(soubor, ec))
        return TChybaSouboru{ZpravaNelzeOtevrit(soubor), DuvodChyby(EISDIR)};
    errno = 0;
    std::ifstream vstup(soubor, std::ios::binary);
    if (!vstup) {
        const int cislo = errno;
        return TChybaSouboru{ZpravaNelzeOtevrit(soubor), DuvodChyby(cislo)};
    }
    char blok[65536];
    while (vstup.read(blok, sizeof blok) || vstup.gcount() > 0) {
        obsah.append(blok, std::size_t(vstup.gcount()));
        // An endless device (/dev/zero) must not exhaust the memory.
        if (obsah.size() > kNejdelsiVstup) {
            obsah.clear();
            return TChybaSouboru{TextPrilisDlouhyVstup(soubor), {}};
        }
    }
    if (vstup.bad()) {
        const int cislo = errno;
        obsah.clear();
        return TChybaSouboru{ZpravaNelzeOtevrit(soubor), DuvodChyby(cislo)};
    }
    return std::nullopt;
}

std::optional<TChybaSouboru> ZapisObsahSouboru(const fs::path& soubor, const std::string& obsah) {
    if (const std::error_code chyba = NahradSoubor(soubor, obsah))
        return TChybaSouboru{ZpravaNelzeVytvorit(soubor), DuvodChyby(chyba)};
    return std::nullopt;
}

bool OhlasChybu(const std::optional<TChybaSouboru>& chyba, TZpravy& zpravy) {
    if (!chyba)
        return true;
    zpravy.Zprava(TDruhZpravy::Vyjimka, chyba->Text());
    return false;
}

std::optional<TChybaSouboru> TextTabulky(const fs::path& soubor, std::string& obsah) {
    if (const auto vada = PrevedNaCp1250(obsah, TKonecStahovani::Vynechat))
        return TChybaSouboru{TextVadyTextu(soubor, *vada) + Cz(" Soubor nebyl načten."), {}};
    return std::nullopt;
}
