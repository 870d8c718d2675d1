#include "upload/ZaznamBodu.h"

#include "common/GlobalniFunkce.h"
#include "common/Zpravy.h"
#include "upload/CisloSouradnice.h"
#include "upload/TextyZapisu.h"

namespace {

void PridejPolozku(std::string& zaznam, const std::string& hodnota) {
    if (hodnota.empty())
        return;
    zaznam += hodnota;
    zaznam += ',';
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

TZapisBodu SestavZapisBodu(const TTabulkaBodu& tabulka, bool prohozeniXY, TZpravy& zpravy) {
    TZapisBodu zapis;
    for (int r = 1; r <= tabulka.PocetRadku(); ++r) {
        if (tabulka.JePrazdnyRadek(r))
            continue;
        const auto zaznam = ZaznamBodu(tabulka.Radek(r), prohozeniXY);
        if (zaznam.SpatnaSouradnice != 0) {
            zapis.Chyba = true;
            zpravy.Zprava(TDruhZpravy::Chyba,
                          TextSpatnaSouradnice(zaznam.SpatnaSouradnice,
                                               tabulka.Bunka(r, TTabulkaBodu::sbCislo)));
            continue;
        }
        zapis.Text += zaznam.Text;
    }
    zapis.ZadnaData = zapis.Text.empty();
    return zapis;
}

std::optional<std::string> PripravZapisBodu(const TTabulkaBodu& tabulka, bool prohozeniXY,
                                            TZpravy& zpravy) {
    auto zapis = SestavZapisBodu(tabulka, prohozeniXY, zpravy);
    if (zapis.ZadnaData) {
        zpravy.Zprava(TDruhZpravy::Informace, TextZadnaData());
        return std::nullopt;
    }
    if (zapis.Chyba)
        return std::nullopt;
    return std::move(zapis.Text);
}
