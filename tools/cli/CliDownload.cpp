// merivox-cli download: the measured data of the station into a file, through the same
// station link driver as the program's "Načtení dat".
#include "Cli.h"
#include "Linka.h"
#include "PocitadloBajtu.h"

#include "common/Cesty.h"
#include "common/Cp1250.h"
#include "common/IniFile.h"
#include "common/NahradaSouboru.h"
#include "common/ObsahSouboru.h"
#include "common/Slozky.h"
#include "common/TypStanice.h"
#include "download/KonecNacteni.h"
#include "download/NactenaDataSoubor.h"
#include "link/ProtokolStanice.h"
#include "serial/SpDevices.h"
#include "serial/SpSlovnikLinky.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <filesystem>
#include <optional>

namespace {

const char* const kNapoveda =
    R"(Použití: merivox-cli download (--port N | --device CESTA) [volby linky] -o SOUBOR.sdt
Přijme naměřená data z totální stanice (stanice v režimu vysílání dat) a uloží je beze
změny, u NTS-660 včetně koncové značky EOT CR LF. Soubor se zapíše, až když data přijdou
celá; zda ho lze vytvořit, se ověří předem. Když ho po přenosu přesto zapsat nelze, uloží se
data do nového souboru ve složce Data (nebo v dočasné složce systému) a zpráva ho jmenuje.
  -o SOUBOR                   výstupní soubor; "-" píše na standardní výstup; zařízení
                              (/dev/null), rouru a otevřený popisovač (/dev/stdout,
                              /dev/fd/N) zapíše přímo, za to, co v něm už je, bez --force
  --force                     přepsat existující výstupní soubor (jinak se odmítne)
  --station NTS-660|NTS-350   typ totální stanice (výchozí: klíč Type sekce Station souboru
                              nastavení, bez něj NTS-660). NTS-350 konec dat nehlásí: příjem
                              skončí po --quiet sekundách bez dat (poté, co nějaká data
                              přišla) nebo klávesami Ctrl+C; obojí uloží, co přišlo
  --quiet SEKUNDY             jak dlouhé ticho ukončí příjem z NTS-350 (výchozí 5; 0,1 až 3600)
)";

const char* const kNapovedaKonec =
    R"(Na terminálu ukazuje počet přijatých bajtů na jednom přepisovaném řádku; mimo terminál
(skript, přesměrování) nevypisuje nic než zprávy. Ctrl+C přenos z NTS-660 přeruší a nic
neuloží; u NTS-350 příjem ukončí a uloží, co přišlo (když nepřišlo nic, neuloží nic).
Návratový kód: 0 přijato a uloženo, 1 chyba portu, komunikace nebo zápisu souboru,
2 chybné volby, 130 přerušeno Ctrl+C.
)";

// Whether the data could be saved where -o says: not a folder, not an existing file without
// --force, and a file can be created there.
bool OverCil(const std::filesystem::path& soubor, bool prepsat, const TTerminal& terminal,
             const std::string& prikaz) {
    std::error_code ec;
    auto chyba = [&](const std::string& text) {
        terminal.Hlaseni(prikaz + ": ", text);
        return false;
    };
    if (std::filesystem::is_directory(soubor, ec))
        return chyba(Cz("\"") + TextCesty(soubor) +
                     Cz("\" je složka; zadejte jméno souboru, do kterého se data uloží."));
    // A device, a pipe or an open descriptor (/dev/null, /dev/stdout) is written into, not
    // overwritten: it needs no --force. It is not tried either, as opening a pipe waits for
    // its reader.
    if (ZapisBezNahrady(soubor))
        return true;
    if (!prepsat && std::filesystem::exists(soubor, ec))
        return chyba(Cz("Soubor \"") + TextCesty(soubor) +
                     Cz("\" již existuje; přepsat ho lze volbou --force."));
    // A trial save that is never finished: it leaves nothing behind.
    const TNahradaSouboru zkouska(soubor);
    if (zkouska.Chyba())
        return chyba(TextNelzeVytvorit(soubor, zkouska.Chyba()));
    return true;
}

// Received data that could not go where they were to go: kept in a file of their own.
void Zachran(const std::string& data, const std::string& proc, const TTerminal& terminal,
             const std::string& prikaz) {
    const auto nahradni =
        ZachranNactenaData(data, {VychoziSlozkaDat(), std::filesystem::temp_directory_path()});
    terminal.Hlaseni(prikaz + ": ", proc);
    terminal.Hlaseni(prikaz + ": ", nahradni.empty()
                                        ? Cz("Přijatá data nelze uložit ani jinam.")
                                        : Cz("Přijatá data jsou uložena v souboru \"") +
                                              TextCesty(nahradni) + "\".");
}

// Seconds of --quiet: a decimal number with "." or ",", 0.1 to 3600.
std::optional<std::chrono::milliseconds> Ticho(std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    if (text.empty() || text.size() > 12 ||
        text.find_first_not_of("0123456789.") != std::string::npos ||
        std::count(text.begin(), text.end(), '.') > 1 || text == ".")
        return std::nullopt;
    double sekundy = 0; // from_chars: the user's locale must not change the decimal point
    if (std::from_chars(text.data(), text.data() + text.size(), sekundy).ptr !=
            text.data() + text.size() ||
        !(sekundy >= 0.1 && sekundy <= 3600))
        return std::nullopt;
    return std::chrono::milliseconds(static_cast<long long>(sekundy * 1000 + 0.5));
}

} // namespace

int CliDownload(const TArgumenty& argumenty, const TTerminal& terminal) {
    const std::string prikaz = "download";
    std::optional<std::string> vystup;
    bool prepsat = false;
    TPravidlaVoleb pravidla;
    std::optional<std::string> stanice, ticho;
    pravidla.Volby = {Hodnota("-o", vystup), Prepinac("--force", prepsat),
                      Hodnota("--station", stanice), Hodnota("--quiet", ticho)};
    TNastaveniLinky nastaveni;
    if (const auto konec = CtiVolbyLinky(argumenty, std::move(pravidla), terminal, prikaz,
                                         kNapoveda, kNapovedaKonec, nastaveni))
        return *konec;
    std::optional<TTypStanice> typStanice;
    if (stanice) {
        typStanice = TypStaniceZTextu(*stanice);
        if (!typStanice)
            return SpatnePouziti(
                terminal, prikaz,
                ChybnaHodnota("--station", Cz("Typ stanice musí být NTS-660 nebo NTS-350, ne \"") +
                                               terminal.ZTerminalu(*stanice) + "\"."));
    }
    std::chrono::milliseconds tichoKonce{5000};
    if (ticho) {
        const auto t = Ticho(*ticho);
        if (!t)
            return SpatnePouziti(terminal, prikaz,
                                 ChybnaHodnota("--quiet", Cz("Ticho musí být 0,1 až 3600 sekund, "
                                                             "ne \"") +
                                                              terminal.ZTerminalu(*ticho) + "\"."));
        tichoKonce = *t;
    }
    if (!vystup || vystup->empty())
        return SpatnePouziti(terminal, prikaz, Cz("Chybí výstupní soubor (-o SOUBOR)."));
    const bool naVystup = *vystup == "-";
    const std::filesystem::path soubor = CestaArgumentu(*vystup);
    // The target is checked before the station is waited for: a transfer into nowhere would
    // make the surveyor send the whole memory again.
    if (!naVystup && !OverCil(soubor, prepsat, terminal, prikaz))
        return kSelhani;

    TKonecPrikazu vysledek;
    {
        TLinkaCli linka(terminal, prikaz, nastaveni);
        // The type as the other line settings: the option, else the settings file.
        if (!typStanice)
            typStanice = TypStaniceZTextu(TIniFile(CestaNastaveni())
                                              .ReadString("Station", "Type",
                                                          TextTypuStanice(TTypStanice::tsNTS660)))
                             .value_or(TTypStanice::tsNTS660);
        linka.Driver().StationType = *typStanice;
        if (KonciUzivatel(*typStanice))
            linka.TichoKonce = tichoKonce;
        // A port that comes from the settings file is named: the user chose none.
        if (!nastaveni.Cislo && nastaveni.Zarizeni.empty()) {
            const int cislo = linka.Driver().Port().ComNumber();
            const std::string zarizeni = SpDevicePath(cislo);
            terminal.Hlaseni(prikaz + ": ",
                             Cz("Čekám na data na portu ") + SpJmenoPortu(cislo) +
                                 (zarizeni.empty()
                                      ? ""
                                      : " (" + TextCesty(std::filesystem::path(zarizeni)) + ")") +
                                 Cz(" podle souboru nastavení (jiný port: --port, --device)."));
        }
        vysledek = linka.Proved(PrikazNacteni, "");
        if (vysledek.Dokonceno || vysledek.KonecUzivatelem)
            linka.UkazPrubehCekani();
    }
    // The download's end rule: what an NTS-350 sent until its end is the whole; an aborted
    // NTS-660 download, whose end mark is missing, keeps nothing (no one to ask here).
    const bool ulozit = (vysledek.Dokonceno || vysledek.KonecUzivatelem) &&
                        NalozeniNacteni(*typStanice, vysledek.KonecUzivatelem, vysledek.Data) ==
                            TNalozeniNacteni::Zobrazit;
    if (vysledek.Preruseno || (vysledek.KonecUzivatelem && !ulozit)) {
        terminal.Hlaseni(prikaz + ": ", Cz("Přerušeno; nic nebylo uloženo."));
        return kPreruseno;
    }
    if (!vysledek.Dokonceno && !ulozit)
        return kSelhani;

    // Data cut off at the driver's limit (it has said so) are kept, but the status says it.
    const std::string& data = vysledek.Data;
    const int hotovo = KonciNa(data, KonecDat) || vysledek.KonecUzivatelem ? kUspech : kSelhani;
    if (vysledek.KonecUzivatelem)
        terminal.Hlaseni(prikaz + ": ", Cz("Příjem z ") + TextTypuStanice(*typStanice) +
                                            Cz(" ukončen, přijato ") + std::to_string(data.size()) +
                                            " B.");
    if (naVystup) {
        terminal.Vystup.write(data.data(), static_cast<std::streamsize>(data.size()));
        terminal.Vystup.flush();
        if (terminal.Vystup)
            return hotovo;
        Zachran(data, Cz("Standardní výstup nelze zapsat."), terminal, prikaz);
        return kSelhani;
    }
    if (const auto chybaZapisu = ZapisObsahSouboru(soubor, data)) {
        Zachran(data, chybaZapisu->Text(), terminal, prikaz);
        return kSelhani;
    }
    return hotovo;
}
