#include "link/TextyPortu.h"

#include "common/Cp1250.h"
#include "serial/SpChyby.h"
#include "serial/SpSlovnikLinky.h"

std::string TextPortNedostupny(const std::string& nazevPortu) {
    return Cz("Vybraný sériový port ") + nazevPortu +
           Cz(" neexistuje nebo je používán jinou aplikací");
}

namespace {

std::string PortAZarizeni(const std::string& nazevPortu, const std::string& zarizeni) {
    return nazevPortu + (zarizeni.empty() || zarizeni == nazevPortu ? "" : " (" + zarizeni + ")");
}

} // namespace

std::string TextPortObsazen(const std::string& nazevPortu, const std::string& zarizeni) {
    return Cz("Sériový port ") + PortAZarizeni(nazevPortu, zarizeni) +
           Cz(" je používán jinou aplikací. Ukončete ji, nebo zvolte jiný port.");
}

std::string TextNeniZarizeni(const std::string& nazevPortu, const std::string& zarizeni) {
    return Cz("Sériový port ") + PortAZarizeni(nazevPortu, zarizeni) +
           Cz(" není zařízení (cesta vede ke složce nebo souboru). Opravte přiřazení portu "
              "v sekci Devices souboru nastavení, nebo zvolte jiný port.");
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

std::string TextLinky(uint32_t baud, TSpParity parita, int datoveBity, TSpStopbits stopBity) {
    static const char* const parity[] = {"žádná", "lichá", "sudá", "značka", "mezera"};
    static const char* const stopy[] = {"1", "1,5", "2"};
    return std::to_string(baud) + Cz(" Bd, parita ") +
           (parita <= paSpace ? Cz(parity[parita]) : std::string("?")) + Cz(", datové bity ") +
           std::to_string(datoveBity) + ", stop bity " +
           (stopBity <= sbTwo ? stopy[stopBity] : "?");
}

std::string TextChybyOtevreni(const std::string& nazevPortu, const std::exception& chyba) {
    if (const auto* odmitnuto = dynamic_cast<const ESpNastaveniOdmitnuto*>(&chyba)) {
        const TSpDCB& dcb = odmitnuto->Dcb();
        if (!SpDatoveBityNaLince(dcb.ByteSize))
            return TextDatoveBityOdmitnuty(nazevPortu, dcb.ByteSize);
        return TextNastaveniOdmitnuto(
            nazevPortu, TextLinky(dcb.BaudRate, static_cast<TSpParity>(dcb.Parity), dcb.ByteSize,
                                  static_cast<TSpStopbits>(dcb.StopBits)));
    }
    if (const auto* obsazen = dynamic_cast<const ESpPortObsazen*>(&chyba))
        return TextPortObsazen(nazevPortu, obsazen->Device());
    if (const auto* neni = dynamic_cast<const ESpNeniZarizeni*>(&chyba))
        return TextNeniZarizeni(nazevPortu, neni->Device());
    if (const auto* bezOpravneni = dynamic_cast<const ESpBezOpravneni*>(&chyba))
        return TextBezOpravneni(nazevPortu, bezOpravneni->Device(),
                                SpVlastnikZarizeni(bezOpravneni->Device()));
    return TextPortNedostupny(nazevPortu);
}
