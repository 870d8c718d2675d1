// Whether the site parameters and the scale factor are values a site in the S-JTSK area can
// have, and the messages that say what the extent is when they are not. The parameters dialog
// refuses what these refuse, and merivox-cli's convert and factor do the same, so a value is
// never cut or taken silently in one place and refused in another.
#pragma once

#include "conversion/NastaveniMAPA2.h"

#include <cstdint>
#include <optional>
#include <string>

enum class TParametrMista : std::uint8_t { pmX, pmY, pmVyska };

// Nothing when `text` reads as a number ("." as the decimal point) inside the parameter's
// range (common/RozsahSJTSK.h); otherwise the message (cp1250) naming the value and the range.
std::optional<std::string> ChybaParametruMista(TParametrMista parametr, const std::string& text);

struct TChybaMista {
    TParametrMista Parametr;
    std::string Text;
};
// The first of the three mean values of `n` (X, Y, altitude) that is refused.
std::optional<TChybaMista> ChybaPrumeru(const TNastaveniMAPA2& n);

// Whether a scale factor is one that mean values inside the ranges can give.
bool FaktorVRozsahu(long double faktor);
// A factor outside that range: names it as `faktor` (the text the user gave) and the range,
// written with `oddelovac` as the decimal separator.
std::string TextFaktorMimoRozsah(const std::string& faktor, char oddelovac);
