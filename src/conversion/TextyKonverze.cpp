#include "conversion/TextyKonverze.h"

#include "common/Cp1250.h"

std::string TextPoskozenaData() {
    return Cz("Načtená data jsou poškozena!!");
}

std::string TextSouborNeexistuje() {
    return Cz("Soubor s načtenými daty neexistuje");
}

std::string TextPrepsatSoubor(const std::filesystem::path& vystup) {
    return Cz("Soubor \"") + TextCesty(vystup) + Cz("\" již existuje.Chcete ho přepsat?");
}

std::string TextNicNebyloPrevedeno() {
    return Cz("Do formátu MAPA2 lze převést jen data totální stanice NTS-660: "
              "nic nebylo převedeno a výstupní soubor je prázdný.");
}

std::string TextNelzeCist(const std::filesystem::path& soubor) {
    return Cz("Soubor \"") + TextCesty(soubor) + Cz("\" nelze přečíst.");
}

std::string TextNelzeVytvorit(const std::filesystem::path& soubor) {
    return Cz("Soubor \"") + TextCesty(soubor) + Cz("\" nelze vytvořit.");
}

std::string TextNelzeZapsat(const std::filesystem::path& soubor) {
    return Cz("Do souboru \"") + TextCesty(soubor) + Cz("\" nelze zapsat.");
}
