#include "upload/VelkaPismena.h"

std::string VelkaPismenaAscii(std::string_view text) {
    std::string vysledek(text);
    for (char& c : vysledek)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return vysledek;
}
