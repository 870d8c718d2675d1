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
#include <cerrno>
#include <charconv>
#include <chrono>
#include <filesystem>
#include <optional>
#include <system_error>

namespace {

const char* const kNapovedaDownload =
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
  --require-end               data bez značky konce neukládat do SOUBORU, ale do nového
                              souboru ve složce Data (zpráva ho jmenuje)
)";

const char* const kNapovedaKonecDownload =
    R"(Na terminálu ukazuje počet přijatých bajtů na jednom přepisovaném řádku; mimo terminál
(skript, přesměrování) nevypisuje nic než zprávy. Když příjem z NTS-660 skončí bez značky
konce dat (Ctrl+C, signál SIGTERM či SIGHUP, zavěšení linky, vytažený kabel, 64 MB dat),
uloží se, co přišlo, a zpráva řekne, že data jsou zřejmě neúplná. U NTS-350 Ctrl+C příjem
ukončí a uloží, co přišlo. Když nepřišlo nic, neuloží se nic.
Návratový kód: 0 přijato a uloženo, 1 chyba portu, komunikace nebo zápisu souboru,
2 chybné volby, 3 data bez značky konce (uložena), 130 přerušeno Ctrl+C dřív, než přišla
data (143 SIGTERM, 129 SIGHUP).
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

// Received data that could not go where they were to go: kept in a file of their own. The
// record's words on where they went.
std::string Zachran(const std::string& data, const std::string& proc, const TTerminal& terminal,
                    const std::string& prikaz, bool* zachraneno = nullptr) {
    const auto nahradni =
        ZachranNactenaData(data, {VychoziSlozkaDat(), std::filesystem::temp_directory_path()});
    if (!proc.empty())
        terminal.Hlaseni(prikaz + ": ", proc);
    if (nahradni.empty()) {
        terminal.Hlaseni(prikaz + ": ", Cz("Přijatá data nelze uložit ani jinam."));
        return Cz("data nelze uložit ani jinam");
    }
    terminal.Hlaseni(prikaz + ": ",
                     Cz("Přijatá data jsou uložena v souboru \"") + TextCesty(nahradni) + "\".");
    if (zachraneno)
        *zachraneno = true;
    return Cz("data uložena do ") + TextCesty(nahradni);
}

// The received data where -o says (standard output for "-"), rescued when that fails. True
// when they went there; `zaznam` gets the record's words.
bool Uloz(const std::string& data, bool naVystup, const std::filesystem::path& soubor,
          const TTerminal& terminal, const std::string& prikaz, std::string& zaznam) {
    if (naVystup) {
        errno = 0;
        terminal.Vystup.write(data.data(), static_cast<std::streamsize>(data.size()));
        terminal.Vystup.flush();
        if (terminal.Vystup) {
            zaznam = Cz("uloženo na standardní výstup");
            return true;
        }
        // A pipe whose reader quit (SIGPIPE is ignored), a full disk behind a redirection.
        const std::string proc =
            errno ? " (" + std::generic_category().message(errno) + ")" : std::string();
        zaznam = Cz("standardní výstup nelze zapsat") + proc + "; " +
                 Zachran(data, Cz("Standardní výstup nelze zapsat") + proc + ".", terminal, prikaz);
        return false;
    }
    if (const auto chybaZapisu = ZapisObsahSouboru(soubor, data)) {
        zaznam = Cz("soubor ") + TextCesty(soubor) + Cz(" nelze zapsat; ") +
                 Zachran(data, chybaZapisu->Text(), terminal, prikaz);
        return false;
    }
    zaznam = Cz("uloženo do ") + TextCesty(soubor);
    return true;
}

// Why a download ended without its end mark, for the message (cp1250).
std::string ProcBezKonce(const TKonecPrikazu& vysledek) {
    if (vysledek.Signal)
        return Cz("příjem přerušen signálem ") + NazevSignalu(vysledek.Signal);
    if (vysledek.Chyba)
        return Cz("spojení se stanicí bylo přerušeno");
    return Cz("příjem ukončen po ") + std::to_string(vysledek.Data.size()) +
           Cz(" B, nejvíc, co se přijme");
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
    bool prepsat = false, pozadovatKonec = false;
    TPravidlaVoleb pravidla;
    std::optional<std::string> stanice, ticho;
    pravidla.Volby = {Hodnota("-o", vystup), Prepinac("--force", prepsat),
                      Hodnota("--station", stanice), Hodnota("--quiet", ticho),
                      Prepinac("--require-end", pozadovatKonec)};
    TNastaveniLinky nastaveni;
    if (const auto konec = CtiVolbyLinky(argumenty, std::move(pravidla), terminal, prikaz,
                                         kNapovedaDownload, kNapovedaKonecDownload, nastaveni))
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

    TLinkaCli linka(terminal, prikaz, nastaveni);
    // The type as the other line settings: the option, else the settings file.
    if (!typStanice)
        typStanice = TypStaniceZTextu(
                         TIniFile(CestaNastaveni())
                             .ReadString("Station", "Type", TextTypuStanice(TTypStanice::tsNTS660)))
                         .value_or(TTypStanice::tsNTS660);
    linka.Driver().StationType = *typStanice;
    if (KonciUzivatel(*typStanice))
        linka.TichoKonce = tichoKonce;
    // A port that comes from the settings file is named: the user chose none.
    if (!nastaveni.Cislo && nastaveni.Zarizeni.empty()) {
        const int cislo = linka.Driver().Port().ComNumber();
        const std::string zarizeni = SpDevicePath(cislo);
        terminal.Hlaseni(
            prikaz + ": ",
            Cz("Čekám na data na portu ") + SpJmenoPortu(cislo) +
                (zarizeni.empty() ? "" : " (" + TextCesty(std::filesystem::path(zarizeni)) + ")") +
                Cz(" podle souboru nastavení (jiný port: --port, --device)."));
    }
    const TKonecPrikazu vysledek = linka.Proved(PrikazNacteni, "");
    if (vysledek.Dokonceno || vysledek.KonecUzivatelem)
        linka.UkazPrubehCekani();
    linka.Prubeh().Ukonci();

    const std::string& data = vysledek.Data;
    // Nothing came: nothing to keep. A signal's status is the shell's (128 + its number).
    if (data.empty()) {
        if (!vysledek.Signal)
            return kSelhani; // the port or the line has said why
        linka.Driver().ZapisZaznam(NazevSignalu(vysledek.Signal));
        terminal.Hlaseni(prikaz + ": ", Cz("Přerušeno; nic nebylo přijato ani uloženo."));
        return 128 + vysledek.Signal;
    }
    // What an NTS-350 sent until its documented end (the quiet time, a signal) is the whole; an
    // NTS-660 download is whole with its end mark. Anything else ended early: it is kept all
    // the same (the surveyor would have to send the whole memory again), and said to be
    // incomplete.
    const bool cela = vysledek.KonecUzivatelem ? KonciUzivatel(*typStanice)
                                               : vysledek.Dokonceno && KonciNa(data, KonecDat);
    std::string zaznam;
    if (cela) {
        if (vysledek.KonecUzivatelem)
            terminal.Hlaseni(prikaz + ": ", Cz("Příjem z ") + TextTypuStanice(*typStanice) +
                                                Cz(" ukončen, přijato ") +
                                                std::to_string(data.size()) + " B.");
        // The record tells only a save that went elsewhere: a finished one is "dokončeno".
        const bool ulozeno = Uloz(data, naVystup, soubor, terminal, prikaz, zaznam);
        linka.Driver().ZapisZaznam(ulozeno ? std::string() : zaznam);
        return ulozeno ? kUspech : kSelhani;
    }
    terminal.Hlaseni(prikaz + ": ", Cz("Přijatá data nekončí značkou konce dat (") +
                                        ProcBezKonce(vysledek) + Cz("); přijato ") +
                                        std::to_string(data.size()) +
                                        Cz(" B, data jsou zřejmě neúplná."));
    bool ulozeno = false;
    if (pozadovatKonec) {
        zaznam = Cz("bez značky konce dat, podle --require-end ne do cíle; ") +
                 Zachran(data,
                         Cz("Podle volby --require-end se neúplná data neukládají do \"") +
                             (naVystup ? std::string("-") : TextCesty(soubor)) + "\".",
                         terminal, prikaz, &ulozeno);
    } else {
        ulozeno = Uloz(data, naVystup, soubor, terminal, prikaz, zaznam);
        if (ulozeno && !naVystup)
            terminal.Hlaseni(prikaz + ": ", Cz("Přijatá data jsou uložena v souboru \"") +
                                                TextCesty(soubor) + "\".");
        zaznam = Cz("bez značky konce dat; ") + zaznam;
    }
    linka.Driver().ZapisZaznam(
        (vysledek.Signal ? NazevSignalu(vysledek.Signal) + "; " : std::string()) + zaznam);
    return ulozeno ? kNeuplnaData : kSelhani;
}
