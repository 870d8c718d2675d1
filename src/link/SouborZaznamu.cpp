#include "link/SouborZaznamu.h"

#include "common/Slozky.h"
#include "link/PripojeniZaznamu.h"

namespace {

// How long a record may take to be written before it is given up.
constexpr std::chrono::milliseconds kLimitZapisu{2000};

} // namespace

std::filesystem::path VychoziSouborZaznamu() {
    // Beside the settings file, also when its name ends in a separator ("nastaveni/"): the
    // record never goes into a folder of the settings file's name.
    std::filesystem::path nastaveni = CestaNastaveni();
    while (!nastaveni.has_filename() && nastaveni.has_relative_path())
        nastaveni = nastaveni.parent_path();
    return nastaveni.parent_path() / "Merivox-komunikace.log";
}

bool PripojZaznam(const std::filesystem::path& soubor, const std::string& text,
                  std::uintmax_t limit) {
    try {
        std::error_code chyba;
        bool znovu = false;
        // Only a plain file is moved aside: a FIFO or a device is written as it is.
        if (std::filesystem::is_regular_file(soubor, chyba)) {
            const std::uintmax_t velikost = std::filesystem::file_size(soubor, chyba);
            if (!chyba && velikost > 0 && velikost + text.size() > limit) {
                std::filesystem::path starsi = soubor;
                starsi += ".1";
                std::filesystem::rename(soubor, starsi, chyba); // replaces the older one
                // A log that cannot be moved aside starts again from nothing rather than grow
                // past its bound.
                znovu = static_cast<bool>(chyba);
            }
        }
        return PripojBezCekani(soubor, text, znovu, kLimitZapisu);
    } catch (...) {
        return false;
    }
}
