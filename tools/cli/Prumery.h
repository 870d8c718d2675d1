// Options that convert and factor share: the mean values of the site and the settings file
// their defaults come from.
#pragma once

#include "Cli.h"

#include "conversion/NastaveniMAPA2.h"

#include <optional>
#include <string>
#include <vector>

struct TPrumeryCli {
    std::optional<std::string> X, Y, H;   // --x, --y, --h (metres, "." as decimal point)
    std::optional<std::string> Nastaveni; // --settings PATH
};

// The options --x, --y, --h and --settings, into `prumery`.
std::vector<TVolba> VolbyPrumeru(TPrumeryCli& prumery);

// Whether every given mean value is a number inside its range (the S-JTSK area, altitudes
// 0 to 2700 m); otherwise `chyba` is the usage message that names the option and the range.
bool PlatnePrumery(const TPrumeryCli& prumery, std::string& chyba);

// The MAPA2 settings as the parameters dialog would show them (the settings file beside the
// program, or --settings), with the given mean values in place of the stored ones.
TNastaveniMAPA2 NastaveniSPrumery(const TPrumeryCli& prumery);

// Whether the mean values that come from the settings file (those not given as options) are
// inside their ranges, as the parameters dialog would save them; otherwise `chyba` names the
// file, section and key, and the range.
bool PouzitelneNastaveni(const TPrumeryCli& prumery, const TNastaveniMAPA2& n, std::string& chyba);
