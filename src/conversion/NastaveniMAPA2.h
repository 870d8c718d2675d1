// The eleven settings of the MAPA2 parameters (sections S-JTSK, HEAD and OTHER of the
// settings file), read and written in one place for the parameters dialog and merivox-cli.
#pragma once

#include "common/IniFile.h"

#include <string>

struct TNastaveniMAPA2 {
    // S-JTSK: mean values for the length reduction, as the user typed them (metres).
    std::string SouradniceX = "1001000"; // "Coordinate X"
    std::string SouradniceY = "680000";  // "Coordinate Y"
    std::string Vyska = "320";           // "Altitude"
    // HEAD
    bool HlavickaZDat = true;      // "Head of data" (NTS-660)
    bool HlavickaUzivatel = false; // "Head from user" (NTS-350)
    std::string TextHlavicky;      // "String from user"
    // OTHER
    bool ZobrazitSoubor = true;       // "Show file"
    std::string ZnakOrientace = "#";  // "Char for dot"
    bool NestandardniVysky = true;    // "Nestandard heighs"
    bool NestandardniJednotky = true; // "Nestandard units"
    bool ProhozeniXY = false;         // "Change XY"
};

// Missing keys give the defaults above.
TNastaveniMAPA2 NactiNastaveniMAPA2(const TIniFile& ini);
// All eleven keys, S-JTSK, then HEAD, then OTHER, each in the order above, in one replacement
// of the file. Throws EIniFileError when the file cannot be written.
void ZapisNastaveniMAPA2(TIniFile& ini, const TNastaveniMAPA2& nastaveni);
