// The point window's table as a coordinate list, for its "Exportovat…". Cells are read as the
// upload reads them (blanks around the number ignored, a decimal comma taken as a point), in
// the columns' order Y, X, Z; rows left empty are skipped.
#pragma once

#include "survey/SeznamSouradnic.h"
#include "upload/TabulkaBodu.h"

#include <string>

struct TSeznamZTabulky {
    TSeznamSouradnic Body;      // each point's Radek is its table row
    std::string Chyba;          // cp1250; empty when every row read
    int Radek = 0, Sloupec = 0; // the cell that did not read
};

// A row without Y or X, or with a coordinate that is not a number, refuses the whole list:
// an export that left a point out would look complete.
TSeznamZTabulky SeznamZTabulky(const TTabulkaBodu& tabulka);
