#include "export/TextCisla.h"

#include <charconv>

std::string KratkeCislo(double hodnota) {
    char text[64];
    const auto konec = std::to_chars(text, text + sizeof text, hodnota == 0 ? 0.0 : hodnota,
                                     std::chars_format::fixed);
    return std::string(text, konec.ptr);
}

std::string CisloSDesetinami(double hodnota, int desetiny) {
    char text[400];
    const auto konec =
        std::to_chars(text, text + sizeof text, hodnota, std::chars_format::fixed, desetiny);
    return std::string(text, konec.ptr);
}
