// The MAPA2 parameters as options, shared by convert and coords: the site's mean values and
// the settings file, the station type, the factor, the orientation mark and the swap of X
// and Y, checked alike in both.
#pragma once

#include "Cli.h"
#include "Prumery.h"

#include "common/TypStanice.h"
#include "conversion/NastaveniMAPA2.h"

#include <optional>
#include <string>
#include <vector>

struct TVolbyMapa2Cli {
    TPrumeryCli Prumery;
    std::optional<std::string> Stanice, Faktor, Znak;
    bool ProhozeniXY = false;
};

// --x, --y, --h, --settings, --station, --factor, --mark and --swap-xy into `v`.
std::vector<TVolba> VolbyMapa2(TVolbyMapa2Cli& v);
// The rules of a command that reads those options and takes its input files as arguments
// (into `soubory`, "--" ending the options); the command adds its own options.
TPravidlaVoleb PravidlaMapa2(TVolbyMapa2Cli& v, std::vector<std::string>& soubory);

struct TMapa2Cli {
    TTypStanice Typ = TTypStanice::tsNTS660;
    TNastaveniMAPA2 Nastaveni;         // the settings file's values with the options over them
    std::optional<long double> Faktor; // --factor
};

// Checks the options and fills `vysledek`. Nothing when the command goes on; else its exit
// status after the message (a bad value: kSpatnePouziti; an unusable stored mean value when
// no factor is given: kSelhani).
std::optional<int> PouzijVolbyMapa2(const TVolbyMapa2Cli& v, const TTerminal& terminal,
                                    const std::string& prikaz, TMapa2Cli& vysledek);
