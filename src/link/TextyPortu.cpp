#include "link/TextyPortu.h"

#include "common/Cp1250.h"
#include "serial/SpChyby.h"

std::string TextPortNedostupny(const std::string& nazevPortu) {
    return Cz("Vybraný sériový port ") + nazevPortu +
           Cz(" neexistuje nebo je používán jinou aplikací");
}

std::string TextBezOpravneni(const std::string& nazevPortu, const std::string& zarizeni,
                             const TSpVlastnikZarizeni& vlastnik) {
    std::string text = Cz("K sériovému portu ") + nazevPortu +
                       (zarizeni.empty() || zarizeni == nazevPortu ? "" : " (" + zarizeni + ")") +
                       Cz(" nemáte oprávnění.");
    if (vlastnik.Skupina.empty())
        return text;
    // Joining root's group would be no advice: such a device is for its owner only.
    if (!vlastnik.SkupinaSmi || vlastnik.Skupina == "root")
        return text + Cz(" Zařízení smí otevřít jen jeho vlastník; o přístup požádejte správce "
                         "počítače.");
    return text + Cz(" Zařízení smějí otevřít členové skupiny ") + vlastnik.Skupina +
           Cz(": přidejte svůj účet do této skupiny (například příkazem sudo usermod -aG ") +
           vlastnik.Skupina + Cz(" $USER) a pak se odhlaste a znovu přihlaste.");
}

std::string TextChybyOtevreni(const std::string& nazevPortu, const std::exception& chyba) {
    if (const auto* bezOpravneni = dynamic_cast<const ESpBezOpravneni*>(&chyba))
        return TextBezOpravneni(nazevPortu, bezOpravneni->Device(),
                                SpVlastnikZarizeni(bezOpravneni->Device()));
    return TextPortNedostupny(nazevPortu);
}
