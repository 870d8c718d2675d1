// The text the point upload sends: one record per non-empty row of the point table, the
// coordinates checked first. Shared by the point window and merivox-cli.
#pragma once

#include "upload/TabulkaBodu.h"

#include <optional>
#include <string>

class TZpravy;

// One row's record: number, first plane coordinate, second, Z, note (leading blanks removed),
// each non-empty value followed by ",", then CR LF. Cleared swap sends X (E) first, ticked
// swap Y (N) first. Commas in coordinates become points.
struct TZaznamBodu {
    std::string Text;
    // 'Y', 'X' or 'Z' for the first coordinate that is not a number (Text is then empty);
    // 0 when the row is sound.
    char SpatnaSouradnice = 0;
};
TZaznamBodu ZaznamBodu(const TTabulkaTextu::TRadek& radek, bool prohozeniXY);

struct TZapisBodu {
    std::string Text;       // the records of the sound rows, in table order
    bool ZadnaData = false; // no row contributed a record
    bool Chyba = false;     // some row had a bad coordinate
};

// Builds the records of all non-empty rows; each bad row shows one "Chyba" message naming the
// coordinate and the point number, and validation goes on with the next row.
TZapisBodu SestavZapisBodu(const TTabulkaBodu& tabulka, bool prohozeniXY, TZpravy& zpravy);

// What A_ZapisDat does before it asks for the receive mode: builds the text, shows
// "Nejsou zadána žádná data!" when there is nothing, and gives the text to send only when
// there is something and no row failed.
std::optional<std::string> PripravZapisBodu(const TTabulkaBodu& tabulka, bool prohozeniXY,
                                            TZpravy& zpravy);
