#include "upload/qt/ZapisSouradnicBodu.h"

#include "common/IniFile.h"
#include "common/Slozky.h"
#include "upload/SouborBodu.h"
#include "upload/ZaznamBodu.h"

#include <QCheckBox>
#include <QVBoxLayout>

namespace {

constexpr const char* kSekce = "UPLOAD";
constexpr const char* kKlicProhozeni = "Change XY";

TTextyOknaZapisu TextyBodu() {
    return {"Zápis souřadnic bodů",
            "A_PridejBod",
            "&Přidej bod",
            "Přídání dalšího bodu",
            "A_VymazBod",
            "&Vymaž bod",
            "Vymazání vybraného bodu",
            "Otevření souboru se souřadnicemi bodů",
            {QString::fromUtf8("Soubor souřadnic bodů (*.asc)"),
             QString::fromUtf8("Všechny soubory (*.*)")},
            "asc",
            {97, 109, 99, 110, 265}};
}

bool NactiProhozeni() {
    return TIniFile(CestaNastaveni()).ReadBool(kSekce, kKlicProhozeni, false);
}

} // namespace

TFormZapisSouradnicBodu::TFormZapisSouradnicBodu(QWidget* rodic, TComDriver& driver)
    : TFormZapisTabulky(rodic, driver, std::make_unique<TTabulkaBodu>(), TextyBodu()) {
    setObjectName("FormZapisSouradnicBodu");
    StringGrid->setFixedSize(712, 378);

    // Alt+X: with Alt+P, the key of "&Přidej bod" in the context menu, a slip of the hand
    // changed the order of the coordinates sent, out of sight below the grid.
    CB_ProhozeniXY =
        new QCheckBox(QString::fromUtf8("Prohození souřadnic &X a Y při zápisu"), this);
    CB_ProhozeniXY->setObjectName("CB_ProhozeniXY");
    CB_ProhozeniXY->setToolTip(
        QString::fromUtf8("Prohození souřadnic X a Y při zápisu bodů do totální stanice"));
    CB_ProhozeniXY->setChecked(NactiProhozeni());

    Rozvrzeni()->addWidget(StringGrid);
    Rozvrzeni()->addWidget(CB_ProhozeniXY);
    Rozvrzeni()->addStretch(1);
    setFixedSize(742, 473);
}

bool TFormZapisSouradnicBodu::NactiSoubor(const std::filesystem::path& soubor) {
    return OhlasChybu(NactiSouborTabulky(soubor, Body(), NactiBody), Zpravy());
}

bool TFormZapisSouradnicBodu::UlozSoubor(const std::filesystem::path& soubor) {
    return OhlasChybu(ZapisObsahSouboru(soubor, TextSouboruBodu(Body())), Zpravy());
}

std::string TFormZapisSouradnicBodu::ObsahSouboru() const {
    return TextSouboruBodu(static_cast<const TTabulkaBodu&>(Tabulka()));
}

std::optional<std::string> TFormZapisSouradnicBodu::PripravZapis() {
    return PripravZapisBodu(
        Body(), CB_ProhozeniXY->isChecked(), Zpravy(),
        [this](int radek, int sloupec) { StringGrid->UkazBunku(radek, sloupec); });
}

void TFormZapisSouradnicBodu::done(int vysledek) {
    TFormZapisTabulky::done(vysledek);
    // The swap box is kept every time the window closes, whether or not anything was sent.
    try {
        TIniFile(CestaNastaveni()).WriteBool(kSekce, kKlicProhozeni, CB_ProhozeniXY->isChecked());
    } catch (const EIniFileError& chyba) {
        Zpravy().Zprava(TDruhZpravy::dzVyjimka, chyba.what());
    }
}
