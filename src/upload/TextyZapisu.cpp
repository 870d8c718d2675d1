#include "upload/TextyZapisu.h"

#include "common/Cp1250.h"
#include "upload/PoleSouboru.h"

std::string TextZadnaData() {
    return Cz("Nejsou zadána žádná data!");
}

std::string TextRezimPrijmu() {
    return Cz("Nastavte totální stanici do režimu příjmu dat.\r\nPoté stiskněte OK.");
}

std::string TextZapisUspesny() {
    return Cz("Data byla uspěšně zapsána do totální stanice.");
}

std::string TextChybaKomunikace() {
    return Cz("Chyba komunikace s totální stanicí!");
}

std::string TextSpatnaSouradnice(char pismeno, const std::string& cisloBodu) {
    return Cz("Špatně zadaná souřadnice ") + pismeno + " bodu \"" + cisloBodu + "\"";
}

std::string TextOddelovace(char oddelovac) {
    return Cz("Oddělovač polí v souboru: ") + NazevOddelovace(oddelovac);
}
