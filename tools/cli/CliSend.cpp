// merivox-cli send: a prepared upload text, or a point or code file turned into one as the
// upload windows do it, sent to the station line by line through the station link driver.
#include "Cli.h"
#include "Linka.h"

#include "common/Cesty.h"
#include "common/Cp1250.h"
#include "common/ObsahSouboru.h"
#include "link/DelkaRadku.h"
#include "upload/TextyZapisu.h"
#include "upload/ZapisTextu.h"
#include "upload/ZapisZeSouboru.h"

#include <optional>

namespace {

const char* const kNapovedaSend =
    R"(Použití: merivox-cli send (--port N | --device CESTA) [volby linky] SOUBOR
       merivox-cli send ... --points SOUBOR.asc [--swap-xy]
       merivox-cli send ... --codes SOUBOR.cod
Zapíše do totální stanice NTS-660 (stanici nejdřív přepněte do režimu příjmu dat) řádek po
řádku připravený text SOUBOR, nebo souřadnice bodů ze souboru *.asc či kódy ze souboru *.cod,
načtené a zkontrolované jako v oknech zápisu. Když některý řádek neprojde kontrolou, vypíše
se proč a nic se neodešle.
  --points SOUBOR             souřadnice bodů (*.asc)
  --swap-xy                   s --points: prohodit souřadnice X a Y
  --codes SOUBOR              kódy (*.cod)
)";

const char* const kNapovedaKonecSend =
    R"(Na terminálu ukazuje, kolik řádků stanice potvrdila ("12 / 250"); mimo terminál nevypisuje
nic než zprávy. Ctrl+C (i signál SIGTERM či SIGHUP) zápis přeruší (stanice pak má jen část
dat).
Soubor v kódování UTF-8 se převede do cp1250. Soubor, který není text, delší než 256 MB nebo
s řádkem, v němž je řídicí znak (EOT, DC1, DC3 by komunikaci ukončily či zastavily), se odmítne.
Návratový kód: 0 zapsáno, 1 soubor nelze číst, chybný řádek, chyba portu nebo komunikace,
2 chybné volby, 130 přerušeno Ctrl+C (143 SIGTERM, 129 SIGHUP).
)";

} // namespace

int CliSend(const TArgumenty& argumenty, const TTerminal& terminal) {
    const std::string prikaz = "send";
    std::optional<std::string> body, kody;
    std::vector<std::string> soubory;
    bool prohozeniXY = false;
    TPravidlaVoleb pravidla{.Volby = {Prepinac("--swap-xy", prohozeniXY), Hodnota("--points", body),
                                      Hodnota("--codes", kody)},
                            .Argument =
                                [&](const std::string& soubor) {
                                    // "-" is no file here: the text to send is never read from
                                    // standard input.
                                    if (soubor == "-")
                                        return false;
                                    soubory.push_back(soubor);
                                    return true;
                                },
                            .KonecVoleb = true};
    TNastaveniLinky nastaveni;
    if (const auto konec = CtiVolbyLinky(argumenty, std::move(pravidla), terminal, prikaz,
                                         kNapovedaSend, kNapovedaKonecSend, nastaveni))
        return *konec;
    const int zdroju = int(soubory.size()) + (body ? 1 : 0) + (kody ? 1 : 0);
    if (zdroju != 1)
        return SpatnePouziti(terminal, prikaz,
                             zdroju == 0
                                 ? Cz("Chybí soubor k zápisu.")
                                 : Cz("Zadejte jediný soubor: SOUBOR, --points nebo --codes."));
    if (prohozeniXY && !body)
        return SpatnePouziti(terminal, prikaz, Cz("Volba --swap-xy platí jen s --points."));

    // The text to send, checked before the port is touched.
    TZpravyCli zpravy(terminal, prikaz);
    std::optional<std::string> text;
    if (body) {
        text = PripravZapisSouboruBodu(CestaArgumentu(*body), prohozeniXY, zpravy);
    } else if (kody) {
        text = PripravZapisSouboruKodu(CestaArgumentu(*kody), zpravy);
    } else {
        text = PripravZapisTextu(CestaArgumentu(soubory[0]), zpravy);
    }
    if (!text)
        return kSelhani;

    TKonecPrikazu vysledek;
    {
        TLinkaCli linka(terminal, prikaz, nastaveni);
        // Every line is checked before the port is opened: nothing half sent.
        const std::size_t nejvic = NejdelsiRadekZapisu(linka.Driver());
        if (const auto dlouhy = NajdiDlouhyRadek(*text, nejvic)) {
            const std::string kde =
                body || kody ? Cz("Záznam ") + std::to_string(dlouhy->Cislo)
                             : Cz("Řádek ") + std::to_string(dlouhy->Cislo) + Cz(" souboru");
            linka.Zpravy().Zprava(TDruhZpravy::dzChyba,
                                  TextDlouhyRadek(kde, dlouhy->Delka, nejvic));
            return kSelhani;
        }
        vysledek = linka.Proved(PrikazZapis, *text);
        if (vysledek.Dokonceno)
            linka.Zpravy().Zprava(TDruhZpravy::dzInformace, TextZapisUspesny());
        if (vysledek.Preruseno)
            linka.Driver().ZapisZaznam(NazevSignalu(vysledek.Signal));
    }
    if (vysledek.Preruseno) {
        terminal.Hlaseni(prikaz + ": ", Cz("Přerušeno; zápis do totální stanice nebyl dokončen."));
        return 128 + vysledek.Signal;
    }
    return vysledek.Dokonceno ? kUspech : kSelhani;
}
