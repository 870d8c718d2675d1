// The COD code file: one code per line, "DIRECTORY,code" with the directory upper-cased, each
// line ended by CR LF. Reading accepts any separator, as the point file does.
#pragma once

#include "upload/SouborTabulky.h"
#include "upload/TabulkaKodu.h"

#include <string>
#include <string_view>

// Resets the table and fills it: line 0 fills row 1, every later line with a field appends a
// row; field 0 is the directory, field 1 the code, both unchanged; further fields are ignored.
void NactiKody(std::string_view obsah, TTabulkaKodu& tabulka);

// The file's bytes: every non-empty row in table order.
std::string TextSouboruKodu(const TTabulkaKodu& tabulka);
