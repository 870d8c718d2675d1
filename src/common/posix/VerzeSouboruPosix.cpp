// Version of a program file on systems without version resources: the record that the build
// embeds in the program file is looked up in the file's bytes.
#include "common/VerzeSouboru.h"

#include "common/VerzniZaznam.h"

#include <fstream>

std::string VerzeSouboru(const std::filesystem::path& soubor) {
    std::ifstream vstup(soubor, std::ios::binary);
    if (!vstup)
        return {};
    // Read in blocks; the tail of each block is kept so that a record that straddles two
    // blocks is still found whole.
    constexpr std::size_t kBlok = 1 << 16;
    constexpr std::size_t kPresah = sizeof(TVerzniZaznam) - 1;
    std::string okno;
    std::string blok(kBlok, '\0');
    while (vstup) {
        vstup.read(blok.data(), std::streamsize(blok.size()));
        const auto precteno = std::size_t(vstup.gcount());
        if (precteno == 0)
            break;
        okno.append(blok, 0, precteno);
        if (auto verze = NajdiVerzniZaznam(okno))
            return *verze;
        if (okno.size() > kPresah)
            okno.erase(0, okno.size() - kPresah);
    }
    return {};
}
