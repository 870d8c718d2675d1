// The texts the upload windows and merivox-cli show around a send (cp1250).
#pragma once

#include <string>

// "Nejsou zadána žádná data!" (Informace): nothing to send.
std::string TextZadnaData();
// "Nastavte totální stanici do režimu příjmu dat.\r\nPoté stiskněte OK." (Informace).
std::string TextRezimPrijmu();
// "Data byla uspěšně zapsána do totální stanice." (Informace).
std::string TextZapisUspesny();
// "Chyba komunikace s totální stanicí!" (Chyba).
std::string TextChybaKomunikace();
// "Špatně zadaná souřadnice " + letter + " bodu \"" + number + "\"" (Chyba).
std::string TextSpatnaSouradnice(char pismeno, const std::string& cisloBodu);
// "Oddělovač polí v souboru: mezera" (Informace): a point or code file was split at
// another character than the comma, which a wrong split would otherwise hide.
std::string TextOddelovace(char oddelovac);
