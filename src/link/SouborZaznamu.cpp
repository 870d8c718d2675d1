#include "link/SouborZaznamu.h"

#include "common/Slozky.h"

#include <fstream>

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
        const std::uintmax_t velikost = std::filesystem::file_size(soubor, chyba);
        if (!chyba && velikost > 0 && velikost + text.size() > limit) {
            std::filesystem::path starsi = soubor;
            starsi += ".1";
            std::filesystem::rename(soubor, starsi, chyba); // replaces the older one
        }
        std::ofstream out(soubor, std::ios::binary | std::ios::app);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.close();
        return static_cast<bool>(out);
    } catch (...) {
        return false;
    }
}
