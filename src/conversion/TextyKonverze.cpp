#include "conversion/TextyKonverze.h"

#include "common/Cesty.h"
#include "common/Cp1250.h"
#include "common/RozpoznaniTextu.h"
#include "conversion/KonverzeSouboru.h"

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
              "nic nebylo převedeno a výstupní soubor nebyl vytvořen ani změněn.");
}

std::string TextVystupJeVstup(const std::filesystem::path& soubor) {
    return Cz("Výstupní soubor \"") + TextCesty(soubor) +
           Cz("\" je sám vstupním souborem s naměřenými daty; převod by je přepsal. "
              "Nic nebylo zapsáno, zvolte jiný výstupní soubor.");
}

std::string TextVystupJeSlozka(const std::filesystem::path& soubor) {
    return Cz("Výstupní soubor \"") + TextCesty(soubor) +
           Cz("\" je složka, ne soubor; nic nebylo zapsáno.");
}

std::string TextVstupPrilisDlouhy(const std::filesystem::path& soubor) {
    return TextPrilisDlouhyVstup(soubor) + Cz(" Nic nebylo převedeno.");
}
