// What the user is told when a port cannot be opened: a missing port gets the one
// long-standing message; a busy port, a path that is no device and a port the user may not
// open each their own, naming the device and, where the system knows the owning group, what
// lets the user in. Texts in cp1250.
#pragma once

#include "serial/SpTypes.h"
#include "serial/SpVlastnikZarizeni.h"

#include <cstdint>

#include <exception>
#include <string>

// "Vybraný sériový port " + name + " neexistuje nebo je používán jinou aplikací".
std::string TextPortNedostupny(const std::string& nazevPortu);

// Another program holds the port; the path names no serial device (a folder, a plain file).
std::string TextPortObsazen(const std::string& nazevPortu, const std::string& zarizeni);
std::string TextNeniZarizeni(const std::string& nazevPortu, const std::string& zarizeni);

// `zarizeni` is left out when it is the port's name itself.
std::string TextBezOpravneni(const std::string& nazevPortu, const std::string& zarizeni,
                             const TSpVlastnikZarizeni& vlastnik);

// The line refused its settings: four data bits (no line takes them), or the settings as a
// whole (`nastaveni`, as the record words them) when the system refused one it did not name.
std::string TextDatoveBityOdmitnuty(const std::string& nazevPortu, int datoveBity);
std::string TextNastaveniOdmitnuto(const std::string& nazevPortu, const std::string& nastaveni);

// The line settings in the user's words, as the record and the messages give them (cp1250):
// "9600 Bd, parita žádná, datové bity 8, stop bity 1".
std::string TextLinky(uint32_t baud, TSpParity parita, int datoveBity, TSpStopbits stopBity);

// The message for an error raised while opening port `nazevPortu`.
std::string TextChybyOtevreni(const std::string& nazevPortu, const std::exception& chyba);
