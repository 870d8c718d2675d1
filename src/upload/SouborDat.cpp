#include "upload/SouborDat.h"

#include "common/Cp1250.h"
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

// A name beside the target that no file uses yet, so that no stranger's file is overwritten.
fs::path DocasnyNazev(const fs::path& soubor) {
    for (int i = 0;; ++i) {
        fs::path kandidat = soubor;
        kandidat += i == 0 ? std::string(".tmp") : ".tmp" + std::to_string(i);
        std::error_code ec;
        if (!fs::exists(fs::symlink_status(kandidat, ec)))
            return kandidat;
    }
}

void ZapisPrimo(std::ostream& proud, const std::string& obsah) {
    proud.write(obsah.data(), std::streamsize(obsah.size()));
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
    while (vstup.read(blok, sizeof blok) || vstup.gcount() > 0)
        obsah.append(blok, std::size_t(vstup.gcount()));
    if (vstup.bad()) {
        const int cislo = errno;
        obsah.clear();
        return TChybaSouboru{ZpravaNelzeOtevrit(soubor), DuvodChyby(cislo)};
    }
    return std::nullopt;
}

std::optional<TChybaSouboru> ZapisObsahSouboru(const fs::path& soubor, const std::string& obsah) {
    return ZapisObsahSouboru(soubor, obsah, ZapisPrimo);
}

std::optional<TChybaSouboru> ZapisObsahSouboru(const fs::path& soubor, const std::string& obsah,
                                               const TZapisDoProudu& zapis) {
    std::error_code ec;
    // Through a link the file it points to is replaced, not the link.
    fs::path cil = soubor;
    if (fs::is_symlink(soubor, ec)) {
        if (auto skutecny = fs::weakly_canonical(soubor, ec); !ec)
            cil = std::move(skutecny);
    }
    const fs::path docasny = DocasnyNazev(cil);
    int cislo = 0;
    {
        errno = 0;
        std::ofstream vystup(docasny, std::ios::binary | std::ios::trunc);
        if (!vystup) {
            cislo = errno;
            return TChybaSouboru{ZpravaNelzeVytvorit(soubor), DuvodChyby(cislo)};
        }
        zapis(vystup, obsah);
        vystup.flush();
        if (vystup)
            vystup.close();
        if (!vystup)
            cislo = errno == 0 ? EIO : errno;
    }
    if (cislo == 0) {
        // The new file keeps the old one's permissions.
        if (const auto stav = fs::status(cil, ec); !ec && fs::exists(stav))
            fs::permissions(docasny, stav.permissions(), ec);
        fs::rename(docasny, cil, ec);
        if (!ec)
            return std::nullopt;
    }
    std::error_code ignoruj;
    fs::remove(docasny, ignoruj);
    return TChybaSouboru{ZpravaNelzeVytvorit(soubor),
                         cislo != 0 ? DuvodChyby(cislo) : DuvodChyby(ec)};
}

bool OhlasChybu(const std::optional<TChybaSouboru>& chyba, TZpravy& zpravy) {
    if (!chyba)
        return true;
    zpravy.Zprava(TDruhZpravy::Vyjimka, chyba->Text());
    return false;
}
