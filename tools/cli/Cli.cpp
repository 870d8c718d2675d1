#include "Cli.h"

#include "common/Cp1250.h"

namespace {

struct TPrikazCli {
    const char* Nazev;
    int (*Spust)(const TArgumenty&, const TTerminal&);
    const char* Popis; // UTF-8
};

const TPrikazCli kPrikazy[] = {
    {"convert", CliKonverze, "převod naměřených dat (*.sdt) do formátu MAPA2"},
    {"factor", CliFaktor, "redukce délek do S-JTSK a měřítkový faktor"},
    {"download", CliDownload, "načtení dat z totální stanice do souboru *.sdt"},
    {"send", CliSend, "zápis textu, souřadnic bodů nebo kódů do totální stanice"},
};

void Napoveda(const TTerminal& terminal) {
    std::string text = Cz("Použití: merivox-cli PŘÍKAZ [volby] ...\n\nPříkazy:\n");
    for (const auto& prikaz : kPrikazy)
        text += std::string("  ") + prikaz.Nazev +
                std::string(10 - std::string(prikaz.Nazev).size(), ' ') + Cz(prikaz.Popis) + "\n";
    text += Cz("\nNápověda k příkazu: merivox-cli PŘÍKAZ --help\n");
    terminal.Tisk(text);
}

} // namespace

int SpatnePouziti(const TTerminal& terminal, const std::string& prikaz, const std::string& cp1250) {
    terminal.Hlaseni(prikaz.empty() ? "" : prikaz + ": ", cp1250);
    terminal.Hlaseni("", Cz("Nápověda: merivox-cli ") + (prikaz.empty() ? "" : prikaz + " ") +
                             "--help");
    return kSpatnePouziti;
}

bool HodnotaVolby(const TArgumenty& argumenty, std::size_t& i, const std::string& volba,
                  std::string& hodnota) {
    const std::string& a = argumenty[i];
    if (a.size() > volba.size() && a.compare(0, volba.size(), volba) == 0 &&
        a[volba.size()] == '=') {
        hodnota = a.substr(volba.size() + 1);
        return true;
    }
    if (i + 1 >= argumenty.size())
        return false;
    hodnota = argumenty[++i];
    return true;
}

int SpustCli(const TArgumenty& argumenty, const TTerminal& terminal) {
    if (argumenty.empty())
        return SpatnePouziti(terminal, "", Cz("Chybí příkaz (convert, factor, download, send)."));
    const std::string& nazev = argumenty[0];
    if (nazev == "--help" || nazev == "-h" || nazev == "help") {
        Napoveda(terminal);
        return kUspech;
    }
    for (const auto& prikaz : kPrikazy)
        if (nazev == prikaz.Nazev)
            return prikaz.Spust(TArgumenty(argumenty.begin() + 1, argumenty.end()), terminal);
    return SpatnePouziti(terminal, "",
                         Cz("Neznámý příkaz \"") + terminal.ZTerminalu(nazev) + "\".");
}
