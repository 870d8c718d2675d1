// The texts the conversion shows the user, in cp1250. The windows and merivox-cli take them
// from here, so that every caller shows the same words.
#pragma once

#include "common/Cesty.h"
#include "common/ObsahSouboru.h" // files that cannot be read, created or written

#include <filesystem>
#include <string>
#include <system_error>

// A damaged measurement (caption "Varování").
std::string TextPoskozenaData();
// The input vanished while the parameters were asked for (caption "Varování").
std::string TextSouborNeexistuje();
// The overwrite question (caption "Varování", Yes and No).
std::string TextPrepsatSoubor(const std::filesystem::path& vystup);
// An instrument type whose data are not converted: nothing is written (caption "Varování").
std::string TextNicNebyloPrevedeno();
// The output would be the input file itself (caption "Chyba").
std::string TextVystupJeVstup(const std::filesystem::path& soubor);
// The output's name is that of a folder (caption "Chyba").
std::string TextVystupJeSlozka(const std::filesystem::path& soubor);
// An input read from a pipe that does not end (caption "Chyba").
std::string TextVstupPrilisDlouhy(const std::filesystem::path& soubor);
