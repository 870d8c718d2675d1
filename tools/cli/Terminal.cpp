#include "Terminal.h"

#include "common/Cp1250.h"

std::string TTerminal::NaTerminal(const std::string& cp1250) const {
    return Utf8 ? Cp1250NaUtf8(cp1250) : cp1250;
}

std::string TTerminal::ZTerminalu(const std::string& text) const {
    return Utf8 ? Utf8NaCp1250(text) : text;
}

void TTerminal::Hlaseni(const std::string& prefix, const std::string& cp1250) const {
    std::size_t zacatek = 0;
    while (zacatek < cp1250.size()) {
        auto konec = cp1250.find_first_of("\r\n", zacatek);
        if (konec == std::string::npos)
            konec = cp1250.size();
        if (konec > zacatek)
            Chyby << "merivox-cli: " << prefix
                  << NaTerminal(cp1250.substr(zacatek, konec - zacatek)) << '\n';
        zacatek = konec + 1;
    }
    Chyby.flush();
}

void TTerminal::Tisk(const std::string& cp1250) const {
    Vystup << NaTerminal(cp1250);
}
