// The upload texts of a point or code file, for merivox-cli send --points / --codes: the file
// is read as the window reads it, and the text is built and checked as the window builds it,
// messages included. Nothing is to be sent when the result is empty. A file split at another
// character than the comma first says which ("Oddělovač polí v souboru: mezera").
#pragma once

#include <filesystem>
#include <optional>
#include <string>

class TZpravy;

// A file that cannot be read shows only its own message (dzVyjimka).
std::optional<std::string> PripravZapisSouboruBodu(const std::filesystem::path& soubor,
                                                   bool prohozeniXY, TZpravy& zpravy);
std::optional<std::string> PripravZapisSouboruKodu(const std::filesystem::path& soubor,
                                                   TZpravy& zpravy);
