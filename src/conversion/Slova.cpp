#include "conversion/Slova.h"

#include <bit>
#include <cstring>

void RozdelSlova(std::string_view radek, TKusy& slova) {
    slova.clear();
    const std::size_t n = radek.size();
    std::size_t i = 0;
    auto preskocMezery = [&] {
        while (i < n && radek[i] == ' ')
            ++i;
    };
    if (n > 0 && radek[0] == ' ') {
        slova.emplace_back();
        preskocMezery();
    }
    while (i < n) {
        const std::size_t zacatek = i;
        while (i < n && radek[i] != ' ')
            ++i;
        slova.push_back(radek.substr(zacatek, i - zacatek));
        preskocMezery();
    }
}

void RozdelPole(std::string_view slovo, TKusy& pole) {
    pole.clear();
    const char* zacatek = slovo.data();
    const char* konec = zacatek + slovo.size();
    for (const char* p = zacatek; p != konec; ++p) {
        if (*p == ',') {
            pole.emplace_back(zacatek, std::size_t(p - zacatek));
            zacatek = p + 1;
        }
    }
    if (zacatek != konec)
        pole.emplace_back(zacatek, std::size_t(konec - zacatek));
}

namespace {

template <bool Presah> void Rozdel(std::string_view radek, TKusy& slova, TKusy& pole) {
    static_assert(std::endian::native == std::endian::little);
    slova.clear();
    pole.clear();
    const char* const z = radek.data();
    const std::size_t n = radek.size();
    bool veSlove = n > 0 && z[0] != ' ';
    if (n > 0 && z[0] == ' ')
        slova.emplace_back();
    std::size_t zacatekSlova = 0, zacatekPole = 0;
    // Only blanks and commas change anything: a blank ends a word and, unless another blank
    // follows, starts the next one; a comma in the second word ends a field. Inline by force
    // at both of the scan's places (a call per blank or comma undid what the scan saved).
    auto oddelovac = [&](std::size_t i) __attribute__((always_inline)) {
        if (z[i] == ',') {
            if (slova.size() == 1) {
                pole.emplace_back(z + zacatekPole, i - zacatekPole);
                zacatekPole = i + 1;
            }
            return;
        }
        if (veSlove) {
            if (slova.size() == 1 && zacatekPole != i)
                pole.emplace_back(z + zacatekPole, i - zacatekPole);
            slova.emplace_back(z + zacatekSlova, i - zacatekSlova);
        }
        veSlove = i + 1 < n && z[i + 1] != ' ';
        zacatekSlova = zacatekPole = i + 1;
    };
    // Eight or sixteen bytes at a time; the blanks and commas among them in order of place.
    if constexpr (Presah)
        ProjdiSPresahem(
            z, n, [](const TSestnact& b) { return (b == ' ') | (b == ','); }, oddelovac);
    else
        ProjdiOsmice(
            z, n, [](std::uint64_t osm) { return ZnakyVOsmi(osm, ' ') | ZnakyVOsmi(osm, ','); },
            oddelovac);
    if (veSlove) {
        if (slova.size() == 1 && zacatekPole != n)
            pole.emplace_back(z + zacatekPole, n - zacatekPole);
        slova.emplace_back(z + zacatekSlova, n - zacatekSlova);
    }
}

} // namespace

void RozdelSlovaAPole(std::string_view radek, TKusy& slova, TKusy& pole, bool presah) {
    if (presah)
        Rozdel<true>(radek, slova, pole);
    else
        Rozdel<false>(radek, slova, pole);
}
