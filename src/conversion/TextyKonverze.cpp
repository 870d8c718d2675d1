#include "conversion/TextyKonverze.h"

#include "common/Cp1250.h"
#include "common/NahradaSouboru.h"
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

std::string TextNelzeCist(const std::filesystem::path& soubor) {
    return Cz("Soubor \"") + TextCesty(soubor) + Cz("\" nelze přečíst.");
}

namespace {
std::string SDuvodem(std::string text, const std::error_code& duvod) {
    if (duvod)
        text += " (" + TextChyby(duvod) + ")";
    return text + ".";
}
} // namespace

std::string TextNelzeVytvorit(const std::filesystem::path& soubor, std::error_code duvod) {
    return SDuvodem(Cz("Soubor \"") + TextCesty(soubor) + Cz("\" nelze vytvořit"), duvod);
}

std::string TextNelzeZapsat(const std::filesystem::path& soubor, std::error_code duvod) {
    return SDuvodem(Cz("Do souboru \"") + TextCesty(soubor) + Cz("\" nelze zapsat"), duvod);
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
