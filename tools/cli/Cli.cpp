#include "Cli.h"

#include "common/Cp1250.h"
#include "common/IniFile.h"
#include "common/Slozky.h"

#include <system_error>

namespace {

struct TPrikazCli {
    const char* Nazev;
    int (*Spust)(const TArgumenty&, const TTerminal&);
    const char* Popis; // UTF-8
};

const TPrikazCli kPrikazy[] = {
    {"convert", CliKonverze, "převod naměřených dat (*.sdt) do formátu MAPA2"},
    {"coords", CliSouradnice, "souřadnice bodů spočítané z naměřených dat (*.sdt) do *.asc"},
    {"factor", CliFaktor, "redukce délek do S-JTSK a měřítkový faktor"},
    {"download", CliDownload, "načtení dat z totální stanice do souboru *.sdt"},
    {"send", CliSend, "zápis textu, souřadnic bodů nebo kódů do totální stanice"},
    {"ports", CliPorty, "porty COM1 až COM10: zařízení, stav a název převodníku"},
    {"export", CliExport, "souřadnice bodů do CSV, DXF, GeoJSON nebo KML"},
};

void Napoveda(const TTerminal& terminal) {
    std::string text = Cz("Použití: merivox-cli PŘÍKAZ [volby] ...\n\nPříkazy:\n");
    for (const auto& prikaz : kPrikazy)
        text += std::string("  ") + prikaz.Nazev +
                std::string(10 - std::string(prikaz.Nazev).size(), ' ') + Cz(prikaz.Popis) + "\n";
    text += Cz("\nNápověda k příkazu: merivox-cli PŘÍKAZ --help\nVerze programu: "
               "merivox-cli --version\n");
    terminal.Tisk(text);
}

} // namespace

int SpatnePouziti(const TTerminal& terminal, const std::string& prikaz, const std::string& cp1250) {
    terminal.Hlaseni(prikaz.empty() ? "" : prikaz + ": ", cp1250);
    terminal.Hlaseni("", Cz("Nápověda: merivox-cli ") + (prikaz.empty() ? "" : prikaz + " ") +
                             "--help");
    return kSpatnePouziti;
}

std::optional<int> CtiVolby(const TArgumenty& argumenty, const TPravidlaVoleb& pravidla,
                            const TTerminal& terminal, const std::string& prikaz,
                            const std::string& napoveda) {
    const TRozborVoleb rozbor = RozeberVolby(argumenty, pravidla);
    const std::string a = terminal.ZTerminalu(rozbor.Argument);
    switch (rozbor.Stav) {
    case TRozborVoleb::rvHotovo:
        return std::nullopt;
    case TRozborVoleb::rvNapoveda:
        terminal.Tisk(napoveda);
        return kUspech;
    case TRozborVoleb::rvNeznamy:
        // A subcommand without file arguments cannot tell a mistyped option from a stray word.
        return SpatnePouziti(
            terminal, prikaz,
            Cz(pravidla.Argument ? "Neznámá volba \"" : "Neznámá volba nebo argument \"") + a +
                "\".");
    case TRozborVoleb::rvChybiHodnota:
        return SpatnePouziti(terminal, prikaz, Cz("Volbě ") + a + Cz(" chybí hodnota."));
    case TRozborVoleb::rvChybnaHodnota:
        return SpatnePouziti(
            terminal, prikaz,
            ChybnaHodnota(rozbor.Volba,
                          Cz("chybná hodnota \"") + terminal.ZTerminalu(rozbor.Hodnota) + "\"."));
    }
    return std::nullopt;
}

void VarujONastaveni(const TTerminal& terminal, const std::string& prikaz) {
    if (const auto varovani = VarovaniNastaveni(CestaNastaveni()))
        terminal.Hlaseni(prikaz + ": ", *varovani);
}

std::string ChybnaHodnota(const std::string& volba, const std::string& cp1250) {
    return volba + ": " + cp1250;
}

bool StejnySoubor(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code chybaA, chybaB;
    if (std::filesystem::equivalent(a, b, chybaA))
        return true;
    const std::filesystem::path cestaA = std::filesystem::weakly_canonical(a, chybaA);
    const std::filesystem::path cestaB = std::filesystem::weakly_canonical(b, chybaB);
    return !chybaA && !chybaB && cestaA == cestaB;
}

int SpustCli(const TArgumenty& argumenty, const TTerminal& terminal) {
    if (argumenty.empty())
        return SpatnePouziti(terminal, "",
                             Cz("Chybí příkaz (convert, coords, factor, download, send, ports, "
                                "export)."));
    const std::string& nazev = argumenty[0];
    if (nazev == "--help" || nazev == "-h" || nazev == "help") {
        Napoveda(terminal);
        return kUspech;
    }
    if (nazev == "--version") {
        terminal.Tisk(std::string("merivox-cli ") + MERIVOX_VERZE_TEXT + "\n");
        return kUspech;
    }
    for (const auto& prikaz : kPrikazy)
        if (nazev == prikaz.Nazev)
            return prikaz.Spust(TArgumenty(argumenty.begin() + 1, argumenty.end()), terminal);
    return SpatnePouziti(terminal, "",
                         Cz("Neznámý příkaz \"") + terminal.ZTerminalu(nazev) + "\".");
}
