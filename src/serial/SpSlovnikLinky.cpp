#include "serial/SpSlovnikLinky.h"

#include <cctype>

namespace {

bool StejneSlovo(std::string_view a, std::string_view b, bool libovolnaVelikost) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if (libovolnaVelikost ? std::tolower(x) != std::tolower(y) : x != y)
            return false;
    }
    return true;
}

} // namespace

uint32_t SpCisloRychlosti(TSpBaudrate rychlost) {
    for (const TSpRadekRychlosti& r : kSpRychlosti)
        if (r.Hodnota == rychlost)
            return r.Cislo;
    return 0;
}

std::optional<TSpBaudrate> SpRychlostZCisla(long cislo) {
    for (const TSpRadekRychlosti& r : kSpRychlosti)
        if (r.Nabizena && r.Cislo == cislo)
            return r.Hodnota;
    return std::nullopt;
}

int SpIndexRychlosti(TSpBaudrate rychlost) {
    int index = 0;
    for (const TSpRadekRychlosti& r : kSpRychlosti) {
        if (!r.Nabizena)
            continue;
        if (r.Hodnota == rychlost)
            return index;
        ++index;
    }
    return -1;
}

std::optional<TSpBaudrate> SpRychlostZIndexu(int index) {
    for (const TSpRadekRychlosti& r : kSpRychlosti)
        if (r.Nabizena && index-- == 0)
            return r.Hodnota;
    return std::nullopt;
}

const char* SpSlovoParity(TSpParity parita) {
    for (const TSpRadekParity& p : kSpParity)
        if (p.Hodnota == parita)
            return p.Slovo;
    return nullptr;
}

std::optional<TSpParity> SpParitaZeSlova(std::string_view slovo, bool libovolnaVelikost) {
    for (const TSpRadekParity& p : kSpParity)
        if (StejneSlovo(slovo, p.Slovo, libovolnaVelikost))
            return p.Hodnota;
    return std::nullopt;
}

const char* SpSlovoStopBitu(TSpStopbits stopBity) {
    for (const TSpRadekStopBitu& s : kSpStopBity)
        if (s.Hodnota == stopBity)
            return s.Slovo;
    return nullptr;
}

std::optional<TSpStopbits> SpStopBityZeSlova(std::string_view slovo, bool libovolnaVelikost) {
    for (const TSpRadekStopBitu& s : kSpStopBity)
        if (StejneSlovo(slovo, s.Slovo, libovolnaVelikost))
            return s.Hodnota;
    return std::nullopt;
}

int SpCisloDatovychBitu(TSpDatabits datoveBity) {
    for (const TSpRadekDatovychBitu& d : kSpDatoveBity)
        if (d.Hodnota == datoveBity)
            return d.Cislo;
    return 0;
}

std::optional<TSpDatabits> SpDatoveBityZCisla(long cislo, bool naLince) {
    for (const TSpRadekDatovychBitu& d : kSpDatoveBity)
        if (d.Cislo == cislo && (d.NaLince || !naLince))
            return d.Hodnota;
    return std::nullopt;
}

bool SpDatoveBityNaLince(int cislo) {
    for (const TSpRadekDatovychBitu& d : kSpDatoveBity)
        if (d.Cislo == cislo)
            return d.NaLince;
    return false;
}

std::string SpJmenoPortu(int cislo) {
    return "COM" + std::to_string(cislo);
}
