// merivox-cli ports: what each port number stands for and whether it can be had, as the
// settings dialog's list shows it, in a form a script can read as well.
#include "Cli.h"

#include "common/Cp1250.h"
#include "common/Slozky.h"
#include "serial/SpDevices.h"
#include "serial/SpPortStates.h"
#include "serial/SpSlovnikLinky.h"

namespace {

const char* const kNapovedaPorts =
    R"(Použití: merivox-cli ports [--settings SOUBOR]
  --settings SOUBOR   jiný soubor nastavení než Merivex.ini vedle programu
Vypíše porty COM1 až COM10, jak je program přiřazuje (sekce Devices souboru nastavení,
vestavěné porty, zasunuté převodníky USB), a zkusí každý otevřít a hned zavřít.
Na prvním řádku jsou názvy sloupců, pak jeden port na řádek; sloupce oddělené tabulátorem,
vždy v tomto pořadí:
  Port       COM1 až COM10
  Zařízení   zařízení, které číslo znamená (prázdné, když žádné)
  Stav       volný, obsazený (drží ho jiný program), chybí, bez oprávnění
  Název      název převodníku, jak ho hlásí systém (prázdný, když ho systém nezná)
)";

} // namespace

int CliPorty(const TArgumenty& argumenty, const TTerminal& terminal) {
    std::optional<std::string> nastaveni;
    TPravidlaVoleb pravidla;
    pravidla.Volby = {Hodnota("--settings", nastaveni)};
    if (const auto konec = CtiVolby(argumenty, pravidla, terminal, "ports", Cz(kNapovedaPorts)))
        return *konec;
    if (nastaveni)
        PrepisCestuNastaveni(*nastaveni);
    VarujONastaveni(terminal, "ports");
    std::string text = Cz("Port\tZařízení\tStav\tNázev\n");
    for (const TSpPopisPortu& port : SpPopisyPortu())
        text += SpJmenoPortu(port.Cislo) + "\t" + port.Skutecne + "\t" +
                SpTextStavu(SpProbePath(port.Zarizeni)) + "\t" + port.Nazev + "\n";
    terminal.Tisk(text);
    return kUspech;
}
