#include "conversion/Slova.h"

#include <cstring>

namespace {

// The end of a piece: the next `znak` in [p, e), or e. memchr looks at many bytes at once.
const char* KonecKusu(const char* p, const char* e, char znak) {
    const void* nalez = std::memchr(p, znak, std::size_t(e - p));
    return nalez ? static_cast<const char*>(nalez) : e;
}

} // namespace

void RozdelSlova(std::string_view radek, TKusy& slova) {
    slova.clear();
    const char* p = radek.data();
    const char* e = p + radek.size();
    if (p != e && *p == ' ')
        slova.emplace_back();
    for (;;) {
        while (p != e && *p == ' ')
            ++p;
        if (p == e)
            return;
        const char* konec = KonecKusu(p, e, ' ');
        slova.emplace_back(p, std::size_t(konec - p));
        p = konec;
    }
}

void RozdelPole(std::string_view slovo, TKusy& pole) {
    pole.clear();
    const char* p = slovo.data();
    const char* e = p + slovo.size();
    while (p != e) {
        const char* konec = KonecKusu(p, e, ',');
        pole.emplace_back(p, std::size_t(konec - p));
        // A comma at the end adds no field.
        p = konec == e ? e : konec + 1;
    }
}
