// The ASC point file: one point per line, "number,Y,X,Z" and ",* note" when there is a note,
// each line ended by CR LF. Reading accepts any separator and the MAPA2 coordinate output.
#pragma once

#include "upload/SouborDat.h"
#include "upload/TabulkaBodu.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Resets the table and fills it from the file's content. Line 0 always fills row 1 (an empty
// first line leaves it empty); every later line with a field appends a row. Fields 0 to 3 are
// number, Y, X, Z; field 4 and every further field make up the note, with the asterisks at
// its start removed, so "1 2 3 4 * KOD" gives the note "KOD".
void NactiBody(std::string_view obsah, TTabulkaBodu& tabulka);

// The file's bytes: every non-empty row in table order; an all-empty table gives nothing.
std::string TextSouboruBodu(const TTabulkaBodu& tabulka);

// A_OtevriSoubor after the dialog: the table is reset first, so a file that cannot be read
// leaves one empty row.
std::optional<TChybaSouboru> NactiSouborBodu(const std::filesystem::path& soubor,
                                             TTabulkaBodu& tabulka);
// A_UlozDoSouboru after the dialog.
std::optional<TChybaSouboru> UlozSouborBodu(const std::filesystem::path& soubor,
                                            const TTabulkaBodu& tabulka);

// The same, with a failure shown as the program's default error box; true on success.
bool NactiSouborBodu(const std::filesystem::path& soubor, TTabulkaBodu& tabulka, TZpravy& zpravy);
bool UlozSouborBodu(const std::filesystem::path& soubor, const TTabulkaBodu& tabulka,
                    TZpravy& zpravy);
