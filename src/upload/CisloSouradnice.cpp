#include "upload/CisloSouradnice.h"

#include "common/GlobalniFunkce.h"

bool JeCisloSouradnice(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    auto preskocMezery = [&] {
        while (i < n && text[i] == ' ')
            ++i;
    };
    auto preskocZnamenko = [&] {
        if (i < n && (text[i] == '+' || text[i] == '-'))
            ++i;
    };
    auto pocetCislic = [&] {
        const std::size_t od = i;
        while (i < n && JeCislice(text[i]))
            ++i;
        return i - od;
    };

    preskocMezery();
    preskocZnamenko();
    std::size_t cislic = pocetCislic();
    if (i < n && text[i] == '.') {
        ++i;
        cislic += pocetCislic();
    }
    if (cislic == 0)
        return false;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        preskocZnamenko();
        if (pocetCislic() == 0)
            return false;
    }
    preskocMezery();
    return i == n;
}
