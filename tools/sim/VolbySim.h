// The arguments of merivox-sim read into what it is to do.
#pragma once

#include "SimStanice.h"

#include <optional>
#include <string>
#include <vector>

struct TVolbySim {
    TSimNastaveni Nastaveni;
    std::string Rezim;   // "download" or "upload"
    std::string Soubor;  // download: the data to send
    std::string Vystup;  // upload: where the lines received go (--out)
    std::string Odkaz;   // --link
    bool Jednou = false; // --once
    bool Napoveda = false;
    bool Verze = false; // --version
};

// Reads the arguments (without the program's name). Nothing when they make a command (or ask
// for the help); otherwise the usage message, which names the option of a bad value.
std::optional<std::string> CtiVolbySim(const std::vector<std::string>& argumenty, TVolbySim& volby);
