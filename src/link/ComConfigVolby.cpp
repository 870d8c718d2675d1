#include "link/ComConfigVolby.h"

#include "serial/SpSlovnikLinky.h"

#include <array>
#include <iterator>

namespace {
constexpr std::array kTypyStanice{TTypStanice::tsNTS350, TTypStanice::tsNTS660};

// The dialog's items are the rows of a table of the line's words, in order.
template <class Tabulka, class Hodnota> int Index(const Tabulka& tabulka, Hodnota hodnota) {
    for (std::size_t i = 0; i < std::size(tabulka); ++i)
        if (tabulka[i].Hodnota == hodnota)
            return static_cast<int>(i);
    return -1;
}

template <class Tabulka>
auto ZIndexu(const Tabulka& tabulka, int index) -> std::optional<decltype(tabulka[0].Hodnota)> {
    if (index < 0 || index >= static_cast<int>(std::size(tabulka)))
        return std::nullopt;
    return tabulka[static_cast<std::size_t>(index)].Hodnota;
}
} // namespace

std::vector<std::string> TextyRychlosti() {
    std::vector<std::string> texty;
    for (const TSpRadekRychlosti& r : kSpRychlosti)
        if (r.Nabizena)
            texty.push_back(" " + std::to_string(r.Cislo));
    return texty;
}
int IndexRychlosti(TSpBaudrate rychlost) {
    return SpIndexRychlosti(rychlost);
}
std::optional<TSpBaudrate> RychlostZIndexu(int index) {
    return SpRychlostZIndexu(index);
}

int IndexParity(TSpParity parita) {
    return Index(kSpParity, parita);
}
std::optional<TSpParity> ParitaZIndexu(int index) {
    return ZIndexu(kSpParity, index);
}

std::vector<std::string> TextyStopBitu() {
    std::vector<std::string> texty;
    for (const TSpRadekStopBitu& s : kSpStopBity)
        texty.push_back(" " + std::to_string(s.Cislo));
    return texty;
}
int IndexStopBitu(TSpStopbits stopBity) {
    return Index(kSpStopBity, stopBity);
}
std::optional<TSpStopbits> StopBityZIndexu(int index) {
    return ZIndexu(kSpStopBity, index);
}

std::string TextDatovychBitu(TSpDatabits datoveBity) {
    const int cislo = SpCisloDatovychBitu(datoveBity);
    return cislo == 0 ? std::string() : std::to_string(cislo);
}

std::optional<TSpDatabits> DatoveBityZTextu(const std::string& text) {
    // Exactly the number's digits: " 8", "08" or "8x" stand for nothing.
    if (text.size() != 1 || text[0] < '0' || text[0] > '9')
        return std::nullopt;
    return SpDatoveBityZCisla(text[0] - '0', true); // only what a line takes
}

int IndexTypuStanice(TTypStanice typStanice) {
    for (std::size_t i = 0; i < kTypyStanice.size(); ++i)
        if (kTypyStanice[i] == typStanice)
            return static_cast<int>(i);
    return -1;
}
