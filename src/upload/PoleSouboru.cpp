#include "upload/PoleSouboru.h"

#include "common/Cp1250.h"
#include "common/GlobalniFunkce.h"
#include "common/Radky.h"

#include <algorithm>

namespace {

// The letters of cp1250 above ASCII: Š Ś Ť Ž Ź š ś ť ž ź Ł Ą Ş Ż ł ą ş Ľ ľ ż, and every byte
// from C0h (Ŕ) to FEh (ţ) except the signs × (D7h) and ÷ (F7h).
bool JePismenoKodoveStranky(unsigned char c) {
    if (c >= 0xC0 && c <= 0xFE)
        return c != 0xD7 && c != 0xF7;
    constexpr std::string_view kDalsi = "\x8A\x8C\x8D\x8E\x8F\x9A\x9C\x9D\x9E\x9F"
                                        "\xA3\xA5\xAA\xAF\xB3\xB9\xBA\xBC\xBE\xBF";
    return kDalsi.find(char(c)) != std::string_view::npos;
}

} // namespace

bool JePismenoNeboCislice(char c) {
    return JeCislice(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
           JePismenoKodoveStranky(static_cast<unsigned char>(c));
}

char OddelovacSouboru(std::string_view prvniRadek) {
    const auto prvni = std::find_if_not(prvniRadek.begin(), prvniRadek.end(), JePismenoNeboCislice);
    if (prvni == prvniRadek.end())
        return ' ';
    if (*prvni != ' ')
        return *prvni;
    const auto dalsi = std::find_if(prvni, prvniRadek.end(),
                                    [](char c) { return c != ' ' && !JePismenoNeboCislice(c); });
    if (dalsi == prvniRadek.end() || *dalsi != ',')
        return ' ';
    const bool desetinna =
        JeCislice(*(dalsi - 1)) && dalsi + 1 != prvniRadek.end() && JeCislice(*(dalsi + 1));
    return desetinna ? ' ' : ',';
}

std::string NazevOddelovace(char oddelovac) {
    const auto sZnakem = [oddelovac](const char* nazev) {
        return Cz(nazev) + " (" + oddelovac + ")";
    };
    switch (oddelovac) {
    case ' ':
        return Cz("mezera");
    case '\t':
        return Cz("tabulátor");
    case ',':
        return sZnakem("čárka");
    case ';':
        return sZnakem("středník");
    case '.':
        return sZnakem("tečka");
    case ':':
        return sZnakem("dvojtečka");
    case '-':
        return sZnakem("pomlčka");
    case '/':
        return sZnakem("lomítko");
    case '|':
        return sZnakem("svislá čára");
    case '*':
        return sZnakem("hvězdička");
    default:
        return sZnakem("znak");
    }
}

std::vector<std::string> PoleRadku(std::string_view radek, char oddelovac) {
    std::string text(radek);
    SlucOpakovanyZnak(text, ' ');
    std::vector<std::string> pole;
    RozdelRetezec(text, std::string(1, oddelovac), &pole, true);
    return pole;
}

TPoleSouboru PoleSouboru(std::string_view obsah) {
    const auto radky = RadkyTextu(obsah);
    TPoleSouboru vysledek;
    vysledek.Radky.reserve(radky.size());
    vysledek.Oddelovac = OddelovacSouboru(radky.empty() ? std::string_view() : radky.front());
    for (const auto radek : radky)
        vysledek.Radky.push_back(PoleRadku(radek, vysledek.Oddelovac));
    return vysledek;
}
