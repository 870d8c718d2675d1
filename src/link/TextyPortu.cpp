#include "link/TextyPortu.h"

#include "common/Cp1250.h"
#include "serial/SpChyby.h"
#include "serial/SpSlovnikLinky.h"

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

std::string TextDatoveBityOdmitnuty(const std::string& nazevPortu, int datoveBity) {
    return Cz("Sériový port ") + nazevPortu + Cz(" nepřijal nastavení linky: ") +
           std::to_string(datoveBity) +
           Cz(" datové bity. Sériová linka přenáší 5 až 8 datových bitů; zvolte jiný počet "
              "(Parametry komunikace, v merivox-cli volba --data-bits).");
}

std::string TextNastaveniOdmitnuto(const std::string& nazevPortu, const std::string& nastaveni) {
    return Cz("Sériový port ") + nazevPortu + Cz(" nepřijal nastavení linky (") + nastaveni +
           Cz("). Zvolte v parametrech komunikace jiné nastavení.");
}

std::string TextChybyOtevreni(const std::string& nazevPortu, const std::exception& chyba) {
    if (const auto* odmitnuto = dynamic_cast<const ESpNastaveniOdmitnuto*>(&chyba)) {
        const TSpDCB& dcb = odmitnuto->Dcb();
        if (!SpDatoveBityNaLince(dcb.ByteSize))
            return TextDatoveBityOdmitnuty(nazevPortu, dcb.ByteSize);
        static const char* const parity[] = {"None", "Odd", "Even", "Mark", "Space"};
        static const char* const stopBity[] = {"1", "1,5", "2"};
        return TextNastaveniOdmitnuto(
            nazevPortu, std::to_string(dcb.BaudRate) + " Bd, parita " +
                            (dcb.Parity < 5 ? parity[dcb.Parity] : "?") + ", " +
                            std::to_string(dcb.ByteSize) + Cz(" datových bitů, stop bity ") +
                            (dcb.StopBits < 3 ? stopBity[dcb.StopBits] : "?"));
    }
    if (const auto* bezOpravneni = dynamic_cast<const ESpBezOpravneni*>(&chyba))
        return TextBezOpravneni(nazevPortu, bezOpravneni->Device(),
                                SpVlastnikZarizeni(bezOpravneni->Device()));
    return TextPortNedostupny(nazevPortu);
}
