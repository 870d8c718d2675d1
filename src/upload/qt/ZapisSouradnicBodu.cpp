#include "upload/qt/ZapisSouradnicBodu.h"

#include "common/IniFile.h"
#include "common/Slozky.h"
#include "upload/SouborBodu.h"
#include "upload/ZaznamBodu.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
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

    Tl_Export = new QPushButton(QString::fromUtf8("&Exportovat…"), this);
    Tl_Export->setObjectName("Tl_Export");
    Tl_Export->setToolTip(QString::fromUtf8(
        "Export bodů tabulky do CSV, DXF, GeoJSON nebo KML pro tabulky, CAD, GIS a mapy"));
    Tl_Export->hide();
    connect(Tl_Export, &QPushButton::clicked, this, [this] {
        if (OnExport_)
            OnExport_();
    });

    auto* dolni = new QHBoxLayout;
    dolni->setContentsMargins(0, 0, 0, 0);
    dolni->addWidget(CB_ProhozeniXY);
    dolni->addStretch(1);
    dolni->addWidget(Tl_Export);
    Rozvrzeni()->addWidget(StringGrid);
    Rozvrzeni()->addLayout(dolni);
    Rozvrzeni()->addStretch(1);
    setFixedSize(742, 473);
}

void TFormZapisSouradnicBodu::NastavOnExport(std::function<void()> OnExport) {
    OnExport_ = std::move(OnExport);
    Tl_Export->setVisible(bool(OnExport_));
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
