#include "serial/SpDevices.h"

#include "common/IniFile.h"
#include "common/Slozky.h"

#include <utility>

namespace {
std::string& Slozka() {
    static std::string slozka = SpVychoziSlozkaZarizeni();
    return slozka;
}
} // namespace

const std::string& SpSlozkaZarizeni() {
    return Slozka();
}

void SpNastavSlozkuZarizeni(std::string slozka) {
    Slozka() = std::move(slozka);
}

std::string SpDevicePath(int number) {
    if (number <= 0)
        return {};
    const std::string key = "COM" + std::to_string(number);
    const std::string mapped = TIniFile(CestaNastaveni()).ReadString("Devices", key, "");
    return mapped.empty() ? SpDefaultDevicePath(number) : mapped;
}
