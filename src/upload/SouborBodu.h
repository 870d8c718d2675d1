// The ASC point file: one point per line, "number,Y,X,Z" and ",* note" when there is a note,
// each line ended by CR LF. Reading accepts any separator and the MAPA2 coordinate output.
#pragma once

#include "upload/SouborTabulky.h"
#include "upload/TabulkaBodu.h"

#include <string>
#include <string_view>

// Resets the table and fills it from the file's content. Line 0 always fills row 1 (an empty
// first line leaves it empty); every later line with a field appends a row. Fields 0 to 3 are
// number, Y, X, Z; field 4 and every further field make up the note, with the asterisks at
// its start removed, so "1 2 3 4 * KOD" gives the note "KOD".
void NactiBody(std::string_view obsah, TTabulkaBodu& tabulka);

// The file's bytes: every non-empty row in table order; an all-empty table gives nothing.
std::string TextSouboruBodu(const TTabulkaBodu& tabulka);
