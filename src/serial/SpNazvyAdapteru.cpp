#include "serial/SpNazvyAdapteru.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace {

bool JsouCislice(std::string_view text, bool sestnactkove) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [&](unsigned char c) {
        return sestnactkove ? std::isxdigit(c) : std::isdigit(c);
    });
}

// Cuts `pripona` and the digits after it off the end of `text`, when something stays before it.
void OdeberPriponu(std::string_view& text, std::string_view pripona, bool sestnactkove) {
    const auto kde = text.rfind(pripona);
    if (kde != std::string_view::npos && kde > 0 &&
        JsouCislice(text.substr(kde + pripona.size()), sestnactkove))
        text.remove_suffix(text.size() - kde);
}

} // namespace

std::string SpNazevZOdkazu(const std::string& jmenoOdkazu) {
    // usb-<vendor>_<model>[_<serial>][-if<nn>][-port<n>], as udev makes them.
    std::string_view zbytek = jmenoOdkazu;
    bool znamaSbernice = false;
    for (std::string_view sbernice : {"usb-", "pci-", "platform-"})
        if (zbytek.substr(0, sbernice.size()) == sbernice) {
            zbytek.remove_prefix(sbernice.size());
            znamaSbernice = true;
            break;
        }
    if (!znamaSbernice || zbytek.empty())
        return {};
    OdeberPriponu(zbytek, "-port", false);
    OdeberPriponu(zbytek, "-if", true);
    std::string nazev(zbytek);
    // A serial number is one last word holding a digit; a model's last word seldom does.
    const auto posledni = nazev.rfind('_');
    if (posledni != std::string::npos) {
        const std::string slovo = nazev.substr(posledni + 1);
        if (slovo.empty() || (std::any_of(slovo.begin(), slovo.end(),
                                          [](unsigned char c) { return std::isdigit(c); }) &&
                              nazev.find('_') != posledni))
            nazev.erase(posledni);
    }
    std::replace(nazev.begin(), nazev.end(), '_', ' ');
    nazev.erase(std::unique(nazev.begin(), nazev.end(),
                            [](char a, char b) { return a == ' ' && b == ' '; }),
                nazev.end());
    return nazev;
}

std::string SpNazevZPopisu(const std::string& friendlyName, const std::string& port) {
    const std::string konec = " (" + port + ")";
    if (!port.empty() && friendlyName.size() > konec.size() &&
        friendlyName.compare(friendlyName.size() - konec.size(), konec.size(), konec) == 0)
        return friendlyName.substr(0, friendlyName.size() - konec.size());
    return friendlyName;
}

std::string SpJmenoComPortu(const std::string& text) {
    if (text.size() < 4 || text.size() > 8)
        return {};
    std::string jmeno = text;
    for (char& c : jmeno)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (jmeno.compare(0, 3, "COM") != 0 || jmeno[3] == '0' ||
        !JsouCislice(std::string_view(jmeno).substr(3), false))
        return {};
    return jmeno;
}

std::string SpKratkeJmenoZarizeni(const std::string& cesta, const std::string& slozka) {
    if (!slozka.empty() && cesta.size() > slozka.size() + 1 &&
        cesta.compare(0, slozka.size(), slozka) == 0 &&
        (cesta[slozka.size()] == '/' || cesta[slozka.size()] == '\\') &&
        cesta.find_first_of("/\\", slozka.size() + 1) == std::string::npos)
        return cesta.substr(slozka.size() + 1);
    return cesta;
}
