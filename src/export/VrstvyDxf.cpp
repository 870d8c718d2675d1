#include "export/VrstvyDxf.h"

#include "common/Cp1250.h"

namespace {

constexpr std::size_t kNejdelsiNazev = 255;

// Lower case of a cp1250 letter, by its Unicode code point (Latin-1 and Latin Extended-A).
unsigned char MalePismeno(unsigned char c) {
    const char32_t u = Cp1250NaUnicode(c);
    char32_t m = u;
    if ((u >= U'A' && u <= U'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7))
        m = u + 32;
    else if ((u >= 0x100 && u <= 0x137) || (u >= 0x14A && u <= 0x177))
        m = u | 1;
    else if ((u >= 0x139 && u <= 0x148) || (u >= 0x179 && u <= 0x17E))
        m = (u % 2 == 1) ? u + 1 : u;
    else if (u == 0x178)
        m = 0xFF;
    const int b = UnicodeNaCp1250(m);
    return b < 0 ? c : static_cast<unsigned char>(b);
}

std::string Slozeny(const std::string& nazev) {
    std::string s = nazev;
    for (char& c : s)
        c = static_cast<char>(MalePismeno(static_cast<unsigned char>(c)));
    return s;
}

} // namespace

std::string NazevVrstvy(const std::string& kod) {
    if (kod.empty())
        return "0";
    std::string nazev = kod.substr(0, kNejdelsiNazev);
    for (char& c : nazev) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F ||
            std::string_view("<>/\\\":;?*|=`").find(c) != std::string_view::npos)
            c = '_';
    }
    return nazev;
}

TVrstvyDxf::TVrstvyDxf() {
    for (const char* nazev : {"0", kVrstvaVysek}) {
        obsazene_.insert(Slozeny(nazev));
        nazvy_.push_back(nazev);
    }
    podleKodu_[""] = "0";
}

const std::string& TVrstvyDxf::Vrstva(const std::string& kod) {
    const auto nalezeno = podleKodu_.find(kod);
    if (nalezeno != podleKodu_.end())
        return nalezeno->second;
    const std::string nazev = Volny(NazevVrstvy(kod));
    obsazene_.insert(Slozeny(nazev));
    nazvy_.push_back(nazev);
    return podleKodu_[kod] = nazev;
}

std::string TVrstvyDxf::Volny(const std::string& zaklad) {
    if (!obsazene_.count(Slozeny(zaklad)))
        return zaklad;
    for (int i = 2;; ++i) {
        const std::string pripona = "_" + std::to_string(i);
        const std::string nazev = zaklad.substr(0, kNejdelsiNazev - pripona.size()) + pripona;
        if (!obsazene_.count(Slozeny(nazev)))
            return nazev;
    }
}
