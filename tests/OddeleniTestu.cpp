#include "OddeleniTestu.h"

#include "common/Slozky.h"
#include "serial/SpDevices.h"

#include <cstdlib>
#include <random>
#include <string>
#include <system_error>

namespace {

std::filesystem::path gSlozka;

void Uklid() {
    std::error_code chyba;
    std::filesystem::remove_all(gSlozka, chyba);
}

} // namespace

const std::filesystem::path& OddelTestyOdZarizeni() {
    if (!gSlozka.empty())
        return gSlozka;
    std::random_device nahoda;
    std::filesystem::path slozka;
    do {
        slozka = std::filesystem::temp_directory_path() /
                 ("merivox-test-" + std::to_string(nahoda()) + std::to_string(nahoda()));
    } while (!std::filesystem::create_directory(slozka));
    gSlozka = slozka;
    std::atexit(Uklid);
    std::filesystem::create_directory(slozka / "dev"); // stays empty
    SpNastavSlozkuZarizeni((slozka / "dev").string());
    PrepisCestuNastaveni(slozka / "Merivex.ini");
    return gSlozka;
}

std::filesystem::path NastaveniTestu() {
    return OddelTestyOdZarizeni() / "Merivex.ini";
}
