// The text the code upload sends: "CODE,1,DIRECTORY" and CR LF per non-empty row of the code
// table, both upper-cased (ASCII letters only), nothing validated. Shared by the code window
// and merivox-cli.
#pragma once

#include "upload/TabulkaKodu.h"

#include <optional>
#include <string>

class TZpravy;

std::string ZaznamKodu(const TTabulkaTextu::TRadek& radek);

// The records of all non-empty rows, in table order; empty when every row is empty.
std::string SestavZapisKodu(const TTabulkaKodu& tabulka);

// What A_ZapisDat does before it asks for the receive mode: the text to send, or nothing
// after showing "Nejsou zadána žádná data!".
std::optional<std::string> PripravZapisKodu(const TTabulkaKodu& tabulka, TZpravy& zpravy);
