// The text the point upload sends: one record per non-empty row of the point table, the
// coordinates checked first. Shared by the point window and merivox-cli.
#pragma once

#include "upload/TabulkaBodu.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

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

// A row that cannot be sent: its row, the column of its first bad coordinate and its number.
struct TSpatnyBod {
    int Radek;
    int Sloupec;
    std::string Cislo;
};

struct TZapisBodu {
    std::string Text;               // the records of the sound rows, in table order
    std::vector<TSpatnyBod> Spatne; // the rows with a bad coordinate, in table order
};

// Builds the records of all non-empty rows and notes every row whose coordinate is missing
// or no number (a point without a height among them: the station takes no empty field).
TZapisBodu SestavZapisBodu(const TTabulkaBodu& tabulka, bool prohozeniXY);

// The one message about the bad rows: for one row "Špatně zadaná souřadnice X bodu "7"", for
// more a list that names them by coordinate, so that a table of forty points without
// heights gives one box, not forty.
std::string TextSpatnychBodu(const std::vector<TSpatnyBod>& spatne);

// What A_ZapisDat does before it asks for the receive mode: builds the text; when a row is
// bad, shows where (`ukazBunku` gets the first bad row and column before the message) and
// names all bad rows in one "Chyba" message; shows "Nejsou zadána žádná data!" only when no
// row holds anything; gives the text to send only when there is something and no row failed.
std::optional<std::string>
PripravZapisBodu(const TTabulkaBodu& tabulka, bool prohozeniXY, TZpravy& zpravy,
                 const std::function<void(int radek, int sloupec)>& ukazBunku = {});
