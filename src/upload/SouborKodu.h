// The COD code file: one code per line, "DIRECTORY,code" with the directory upper-cased, each
// line ended by CR LF. Reading accepts any separator, as the point file does.
#pragma once

#include "upload/SouborDat.h"
#include "upload/TabulkaKodu.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Resets the table and fills it: line 0 fills row 1, every later line with a field appends a
// row; field 0 is the directory, field 1 the code, both unchanged; further fields are ignored.
void NactiKody(std::string_view obsah, TTabulkaKodu& tabulka);

// The file's bytes: every non-empty row in table order.
std::string TextSouboruKodu(const TTabulkaKodu& tabulka);

// A_OtevriSoubor after the dialog: the table is reset first.
std::optional<TChybaSouboru> NactiSouborKodu(const std::filesystem::path& soubor,
                                             TTabulkaKodu& tabulka);
// A_UlozDoSouboru after the dialog.
std::optional<TChybaSouboru> UlozSouborKodu(const std::filesystem::path& soubor,
                                            const TTabulkaKodu& tabulka);

// The same, with a failure shown as the program's default error box; true on success.
bool NactiSouborKodu(const std::filesystem::path& soubor, TTabulkaKodu& tabulka, TZpravy& zpravy);
bool UlozSouborKodu(const std::filesystem::path& soubor, const TTabulkaKodu& tabulka,
                    TZpravy& zpravy);
