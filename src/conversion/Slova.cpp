#include "conversion/Slova.h"

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
    std::size_t zacatek = 0;
    while (zacatek < slovo.size()) {
        const std::size_t carka = slovo.find(',', zacatek);
        if (carka == std::string_view::npos) {
            pole.push_back(slovo.substr(zacatek));
            return;
        }
        pole.push_back(slovo.substr(zacatek, carka - zacatek));
        zacatek = carka + 1;
    }
}
