#include "upload/ZaznamBodu.h"

#include "common/Cp1250.h"
#include "common/GlobalniFunkce.h"
#include "common/Zpravy.h"
#include "upload/CisloSouradnice.h"
#include "upload/TextyZapisu.h"

#include <algorithm>

namespace {

void PridejPolozku(std::string& zaznam, const std::string& hodnota) {
    if (hodnota.empty())
        return;
    zaznam += hodnota;
    zaznam += ',';
}

int SloupecPismena(char pismeno) {
    return pismeno == 'Y'   ? TTabulkaBodu::sbY
           : pismeno == 'X' ? TTabulkaBodu::sbX
                            : TTabulkaBodu::sbZ;
}

char PismenoSloupce(int sloupec) {
    switch (sloupec) {
    case TTabulkaBodu::sbY:
        return 'Y';
    case TTabulkaBodu::sbX:
        return 'X';
    default:
        return 'Z';
    }
}

} // namespace

TZaznamBodu ZaznamBodu(const TTabulkaTextu::TRadek& radek, bool prohozeniXY) {
    const int souradnice[3] = {prohozeniXY ? TTabulkaBodu::sbY : TTabulkaBodu::sbX,
                               prohozeniXY ? TTabulkaBodu::sbX : TTabulkaBodu::sbY,
                               TTabulkaBodu::sbZ};
    TZaznamBodu vysledek;
    std::string& zaznam = vysledek.Text;
    PridejPolozku(zaznam, radek[TTabulkaBodu::sbCislo]);
    for (const int sloupec : souradnice) {
        std::string hodnota = radek[std::size_t(sloupec)];
        NahradZnak(hodnota, ',', '.');
        if (!JeCisloSouradnice(hodnota)) {
            vysledek.Text.clear();
            vysledek.SpatnaSouradnice = PismenoSloupce(sloupec);
            return vysledek;
        }
        PridejPolozku(zaznam, hodnota);
    }
    std::string poznamka = radek[TTabulkaBodu::sbPoznamka];
    OrizniZnak(poznamka, ' ', true, false);
    PridejPolozku(zaznam, poznamka);
    zaznam += "\r\n";
    return vysledek;
}

TZapisBodu SestavZapisBodu(const TTabulkaBodu& tabulka, bool prohozeniXY) {
    TZapisBodu zapis;
    for (int r = 1; r <= tabulka.PocetRadku(); ++r) {
        if (tabulka.JePrazdnyRadek(r))
            continue;
        const auto zaznam = ZaznamBodu(tabulka.Radek(r), prohozeniXY);
        if (zaznam.SpatnaSouradnice != 0)
            zapis.Spatne.push_back({r, SloupecPismena(zaznam.SpatnaSouradnice),
                                    tabulka.Bunka(r, TTabulkaBodu::sbCislo)});
        else
            zapis.Text += zaznam.Text;
    }
    return zapis;
}

std::string TextSpatnychBodu(const std::vector<TSpatnyBod>& spatne) {
    if (spatne.size() == 1)
        return TextSpatnaSouradnice(PismenoSloupce(spatne[0].Sloupec), spatne[0].Cislo);
    // One line per coordinate, in the order the coordinates first fail; a box of thousands
    // of names would not fit the screen, so each line stops after a hundred.
    constexpr std::size_t kNejvicJmen = 100;
    std::string text = Cz("Špatně zadané souřadnice u ") + std::to_string(spatne.size()) +
                       Cz(" bodů, nic nebylo zapsáno:");
    std::vector<int> sloupce;
    for (const TSpatnyBod& bod : spatne)
        if (std::find(sloupce.begin(), sloupce.end(), bod.Sloupec) == sloupce.end())
            sloupce.push_back(bod.Sloupec);
    for (const int sloupec : sloupce) {
        std::vector<std::string> jmena;
        std::size_t pocet = 0;
        for (const TSpatnyBod& bod : spatne) {
            if (bod.Sloupec != sloupec || ++pocet > kNejvicJmen)
                continue;
            jmena.push_back(bod.Cislo.empty()
                                ? Cz("bez čísla (řádek ") + std::to_string(bod.Radek) + ")"
                                : "\"" + bod.Cislo + "\"");
        }
        text += "\r\n";
        text += PismenoSloupce(sloupec);
        text += pocet == 1 ? " bodu " : Cz(" bodů ");
        for (std::size_t i = 0; i < jmena.size(); ++i)
            text += (i > 0 ? ", " : "") + jmena[i];
        if (pocet > jmena.size())
            text += Cz(", …");
    }
    return text;
}

std::optional<std::string>
PripravZapisBodu(const TTabulkaBodu& tabulka, bool prohozeniXY, TZpravy& zpravy,
                 const std::function<void(int radek, int sloupec)>& ukazBunku) {
    auto zapis = SestavZapisBodu(tabulka, prohozeniXY);
    if (!zapis.Spatne.empty()) {
        if (ukazBunku)
            ukazBunku(zapis.Spatne.front().Radek, zapis.Spatne.front().Sloupec);
        zpravy.Zprava(TDruhZpravy::dzChyba, TextSpatnychBodu(zapis.Spatne));
        return std::nullopt;
    }
    if (zapis.Text.empty()) {
        zpravy.Zprava(TDruhZpravy::dzInformace, TextZadnaData());
        return std::nullopt;
    }
    return std::move(zapis.Text);
}
