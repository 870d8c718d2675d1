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

void RozdelSlovaAPole(std::string_view radek, TKusy& slova, TKusy& pole) {
    slova.clear();
    pole.clear();
    const char* p = radek.data();
    const char* e = p + radek.size();
    if (p != e && *p == ' ')
        slova.emplace_back();
    for (;;) {
        while (p != e && *p == ' ')
            ++p;
        if (p == e)
            return;
        const char* zacatek = p;
        if (slova.size() == 1) {
            const char* zacatekPole = p;
            for (; p != e && *p != ' '; ++p) {
                if (*p == ',') {
                    pole.emplace_back(zacatekPole, std::size_t(p - zacatekPole));
                    zacatekPole = p + 1;
                }
            }
            if (zacatekPole != p)
                pole.emplace_back(zacatekPole, std::size_t(p - zacatekPole));
        } else {
            while (p != e && *p != ' ')
                ++p;
        }
        slova.emplace_back(zacatek, std::size_t(p - zacatek));
    }
}
