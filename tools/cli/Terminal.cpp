#include "Terminal.h"

#include "common/Cp1250.h"
#include "common/Radky.h"

std::string TTerminal::NaTerminal(const std::string& cp1250) const {
    return Utf8 ? Cp1250NaUtf8(cp1250) : cp1250;
}

std::string TTerminal::ZTerminalu(const std::string& text) const {
    return Utf8 ? Utf8NaCp1250(text) : text;
}

void TTerminal::Hlaseni(const std::string& prefix, const std::string& cp1250) const {
    for (const std::string_view radek : RadkyTextu(cp1250))
        if (!radek.empty())
            Chyby << "merivox-cli: " << prefix << NaTerminal(std::string(radek)) << '\n';
    Chyby.flush();
}

void TTerminal::Tisk(const std::string& cp1250) const {
    Vystup << NaTerminal(cp1250);
}
