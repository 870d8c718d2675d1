// merivox-cli download: the measured data of the station into a file, through the same
// station link driver as the program's "Načtení dat".
#include "Cli.h"
#include "Linka.h"
#include "PocitadloBajtu.h"

#include "common/Cesty.h"
#include "common/Cp1250.h"
#include "link/PrevzetiUdalosti.h"
#include "upload/SouborDat.h"
#include "upload/TextyZapisu.h"

#include <filesystem>
#include <optional>

namespace {

const char* const kNapoveda =
    R"(Použití: merivox-cli download (--port N | --device CESTA) [volby linky] -o SOUBOR.sdt
Přijme naměřená data z totální stanice NTS-660 (stanice v režimu vysílání dat) a uloží je
beze změny, včetně koncové značky EOT CR LF. Soubor se zapíše, až když data přijdou celá.
  -o SOUBOR                   výstupní soubor; "-" píše na standardní výstup
  --force                     přepsat existující výstupní soubor (jinak se odmítne)
)";

const char* const kNapovedaKonec =
    R"(Na terminálu ukazuje počet přijatých bajtů na jednom přepisovaném řádku; mimo terminál
(skript, přesměrování) nevypisuje nic než zprávy. Ctrl+C přenos přeruší a nic neuloží.
Návratový kód: 0 přijato a uloženo, 1 chyba portu, komunikace nebo zápisu souboru,
2 chybné volby, 130 přerušeno Ctrl+C.
)";

} // namespace

int CliDownload(const TArgumenty& argumenty, const TTerminal& terminal) {
    const std::string prikaz = "download";
    TVolbyLinky volby;
    std::optional<std::string> vystup;
    bool prepsat = false;
    for (std::size_t i = 0; i < argumenty.size(); ++i) {
        const std::string& a = argumenty[i];
        if (a == "--help" || a == "-h") {
            terminal.Tisk(Cz(kNapoveda) + Cz(kNapovedaLinky) + Cz(kNapovedaKonec));
            return kUspech;
        }
        const TVolba linka = ZpracujVolbuLinky(argumenty, i, volby);
        if (linka == TVolba::Zpracovana)
            continue;
        if (linka == TVolba::Jina && a == "--force") {
            prepsat = true;
            continue;
        }
        if (linka == TVolba::Jina && (a == "-o" || a.rfind("-o=", 0) == 0)) {
            std::string hodnota;
            if (HodnotaVolby(argumenty, i, "-o", hodnota)) {
                vystup = hodnota;
                continue;
            }
        } else if (linka == TVolba::Jina) {
            return SpatnePouziti(terminal, prikaz,
                                 Cz("Neznámá volba nebo argument \"") + terminal.ZTerminalu(a) +
                                     "\".");
        }
        return SpatnePouziti(terminal, prikaz, Cz("Volbě ") + a + Cz(" chybí hodnota."));
    }
    TNastaveniLinky nastaveni;
    std::string chyba;
    if (!PrectiVolbyLinky(volby, terminal, nastaveni, chyba))
        return SpatnePouziti(terminal, prikaz, chyba);
    if (!vystup || vystup->empty())
        return SpatnePouziti(terminal, prikaz, Cz("Chybí výstupní soubor (-o SOUBOR)."));
    const bool naVystup = *vystup == "-";
    const std::filesystem::path soubor = CestaZTextu(terminal.ZTerminalu(*vystup));
    if (!naVystup && !prepsat && std::filesystem::exists(soubor)) {
        terminal.Hlaseni(prikaz + ": ", Cz("Soubor \"") + TextCesty(soubor) +
                                            Cz("\" již existuje; přepsat ho lze volbou --force."));
        return kSelhani;
    }

    std::optional<std::string> data;
    bool konec = false, selhani = false, preruseno = false;
    {
        TLinkaCli linka(terminal, prikaz, nastaveni);
        TComDriver& driver = linka.Driver();
        // The handlers below see this block's variables: they go with it.
        const TPrevzetiUdalosti prevzeti(driver);
        driver.OnKomunikaceOK = [&](TComDriver&, TMnozinaPrikazu, bool aPreruseno,
                                    const std::string& prijato) {
            if (!aPreruseno)
                data = prijato;
            konec = true;
        };
        driver.OnKomunikaceErr = [&](TComDriver& d, TMnozinaPrikazu, bool, const std::string&) {
            d.ClearCommands();
            linka.Zpravy().Zprava(TDruhZpravy::Chyba, TextChybaKomunikace());
            selhani = konec = true;
        };
        driver.OnChybaOtevreni = [&](TComDriver&) {
            selhani = konec = true;
        };
        // The driver shows its waiting "dialog" inside AddCommand: the download runs there.
        driver.AddCommand(PrikazNacteni, "");
        preruseno = !linka.Cekej([&] { return konec; }) || TPreruseni::Preruseno();
        if (preruseno)
            data.reset();
        else if (data)
            linka.UkazPrubehCekani();
    }
    if (preruseno) {
        terminal.Hlaseni(prikaz + ": ", Cz("Přerušeno; nic nebylo uloženo."));
        return kPreruseno;
    }
    if (selhani || !data)
        return kSelhani;

    if (naVystup) {
        terminal.Vystup.write(data->data(), static_cast<std::streamsize>(data->size()));
        terminal.Vystup.flush();
        return terminal.Vystup ? kUspech : kSelhani;
    }
    if (const auto chybaZapisu = ZapisObsahSouboru(soubor, *data)) {
        terminal.Hlaseni(prikaz + ": ", chybaZapisu->Text());
        return kSelhani;
    }
    return kUspech;
}
