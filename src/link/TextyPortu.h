// What the user is told when a port cannot be opened: a missing or busy port gets the one
// long-standing message, a port the user may not open its own, naming the device and, where
// the system knows the owning group, what lets the user in. Texts in cp1250.
#pragma once

#include "serial/SpVlastnikZarizeni.h"

#include <exception>
#include <string>

// "Vybraný sériový port " + name + " neexistuje nebo je používán jinou aplikací".
std::string TextPortNedostupny(const std::string& nazevPortu);

// `zarizeni` is left out when it is the port's name itself.
std::string TextBezOpravneni(const std::string& nazevPortu, const std::string& zarizeni,
                             const TSpVlastnikZarizeni& vlastnik);

// The line refused its settings: four data bits (no line takes them), or the settings as a
// whole (`nastaveni`, as the record words them) when the system refused one it did not name.
std::string TextDatoveBityOdmitnuty(const std::string& nazevPortu, int datoveBity);
std::string TextNastaveniOdmitnuto(const std::string& nazevPortu, const std::string& nastaveni);

// The message for an error raised while opening port `nazevPortu`.
std::string TextChybyOtevreni(const std::string& nazevPortu, const std::exception& chyba);
