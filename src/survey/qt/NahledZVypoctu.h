// The measurement view's computation as the window asks for it: the measured data computed
// with the stored MAPA2 parameters and the user's choices, turned into rows, plan and texts.
#pragma once

#include "common/TypStanice.h"
#include "survey/qt/NahledMereni.h"

#include <filesystem>
#include <string>

// `soubor` is the data's file (empty for data in memory), `nazev` what the window calls them.
TFormNahledMereni::TVypocet VypocetNahledu(std::string obsah, std::filesystem::path soubor,
                                           QString nazev, TTypStanice typStanice);
