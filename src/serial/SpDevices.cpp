#include "serial/SpDevices.h"

#include "common/IniFile.h"
#include "common/Slozky.h"
#include "serial/SpSlovnikLinky.h"

#include <algorithm>
#include <utility>

namespace {
std::string& Slozka() {
    static std::string slozka = SpVychoziSlozkaZarizeni();
    return slozka;
}
const std::string kSekce = "Devices";
} // namespace

const std::string& SpSlozkaZarizeni() {
    return Slozka();
}

void SpNastavSlozkuZarizeni(std::string slozka) {
    Slozka() = std::move(slozka);
}

std::vector<TSpPopisPortu> SpPopisyPortu(int count) {
    TIniFile ini(CestaNastaveni());
    const auto klic = [&](int n) {
        const std::string hodnota = ini.ReadString(kSekce, SpJmenoPortu(n), "");
        return hodnota.empty() ? hodnota : SpCestaKlice(hodnota);
    };
    TSpPrirazeni prirazeni = SpPriradPorty(std::max(count, kSpPocetPortu), klic,
                                           &SpDefaultDevicePath, SpNajdiAdaptery());
    for (const auto& [cislo, odkaz] : prirazeni.Zapamatovat) {
        try {
            ini.WriteString(kSekce, SpJmenoPortu(cislo), odkaz);
        } catch (const std::exception&) {
            // A settings file that cannot be written: the adapter keeps its number this run.
        }
    }
    prirazeni.Porty.resize(static_cast<size_t>(std::max(count, 0)));
    return prirazeni.Porty;
}

std::string SpDevicePath(int number) {
    if (number <= 0)
        return {};
    return SpPopisyPortu(number)[static_cast<size_t>(number - 1)].Zarizeni;
}
