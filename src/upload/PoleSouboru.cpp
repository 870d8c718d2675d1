#include "upload/PoleSouboru.h"

#include "common/GlobalniFunkce.h"
#include "common/Radky.h"

namespace {
bool JePismenoNeboCislice(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
} // namespace

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
    const auto radky = RadkyTextu(obsah);
    std::vector<std::vector<std::string>> vysledek;
    vysledek.reserve(radky.size());
    const char oddelovac = OddelovacSouboru(radky.empty() ? std::string_view() : radky.front());
    for (const auto radek : radky)
        vysledek.push_back(PoleRadku(radek, oddelovac));
    return vysledek;
}
