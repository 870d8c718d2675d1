#include "survey/SeznamSouradnic.h"

#include <charconv>
#include <cmath>

TSouradnice SouradniceZTextu(std::string_view text) {
    TSouradnice s;
    s.Text.assign(text);
    for (char& c : s.Text) {
        if (c == ',') {
            c = '.';
        }
    }
    const char* zacatek = s.Text.data();
    const char* konec = zacatek + s.Text.size();
    if (zacatek != konec && *zacatek == '+') {
        ++zacatek;
    }
    double hodnota = 0;
    const auto [kde, chyba] = std::from_chars(zacatek, konec, hodnota, std::chars_format::fixed);
    if (chyba == std::errc() && kde == konec && std::isfinite(hodnota)) {
        s.Je = true;
        s.Hodnota = hodnota;
    } else {
        s.Text.assign(text);
    }
    return s;
}

TSouradnice SouradniceVypoctena(double hodnota) {
    TSouradnice s;
    s.Je = true;
    s.Hodnota = hodnota;
    char text[64];
    // Values that round to zero are written without a sign: "-0.000" reads as a mistake.
    const double zaokrouhleno = std::round(hodnota * 1000) / 1000;
    const auto vysledek = std::to_chars(text, text + sizeof text, zaokrouhleno == 0 ? 0.0 : hodnota,
                                        std::chars_format::fixed, 3);
    s.Text.assign(text, vysledek.ptr);
    return s;
}
