#include "upload/PoleSouboru.h"

#include "common/GlobalniFunkce.h"

namespace {
bool JePismenoNeboCislice(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
} // namespace

std::vector<std::string_view> RadkySouboru(std::string_view obsah) {
    std::vector<std::string_view> radky;
    std::size_t zacatek = 0;
    for (std::size_t i = 0; i < obsah.size(); ++i) {
        const char c = obsah[i];
        if (c != '\r' && c != '\n')
            continue;
        radky.push_back(obsah.substr(zacatek, i - zacatek));
        if (c == '\r' && i + 1 < obsah.size() && obsah[i + 1] == '\n')
            ++i;
        zacatek = i + 1;
    }
    if (zacatek < obsah.size())
        radky.push_back(obsah.substr(zacatek));
    return radky;
}

char OddelovacSouboru(std::string_view prvniRadek) {
    for (const char c : prvniRadek)
        if (!JePismenoNeboCislice(c))
            return c;
    return ' ';
}

std::vector<std::string> PoleRadku(std::string_view radek, char oddelovac) {
    std::string text(radek);
    SlucOpakovanyZnak(text, ' ');
    std::vector<std::string> pole;
    RozdelRetezec(text, std::string(1, oddelovac), &pole, true);
    return pole;
}

std::vector<std::vector<std::string>> PoleSouboru(std::string_view obsah) {
    const auto radky = RadkySouboru(obsah);
    std::vector<std::vector<std::string>> vysledek;
    vysledek.reserve(radky.size());
    const char oddelovac = OddelovacSouboru(radky.empty() ? std::string_view() : radky.front());
    for (const auto radek : radky)
        vysledek.push_back(PoleRadku(radek, oddelovac));
    return vysledek;
}
