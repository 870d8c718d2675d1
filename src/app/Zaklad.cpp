#include "app/Zaklad.h"

#include "app/Instance.h"
#include "app/OProgramu.h"
#include "app/ObrazZakladu.h"
#include "app/Obrazky.h"
#include "common/IniFile.h"
#include "common/Slozky.h"
#include "conversion/KonverzeOken.h"
#include "conversion/ParamMAPA2.h"
#include "ui/ZarovnaniMenu.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

#include <cstdint>

namespace {
// The instrument type until the station link driver holds it: NTS-660.
constexpr std::uint8_t kTypStanice = 2;
constexpr QSize kKlientskaPlocha(742, 454); // tool bar, picture and status bar; not the menu

QWidget* PanelSObrazem(QWidget* rodic) {
    auto* panel = new QFrame(rodic);
    panel->setObjectName("Panel");
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* rozvrzeni = new QVBoxLayout(panel);
    rozvrzeni->setContentsMargins(0, 0, 0, 0);
    rozvrzeni->addWidget(new TObrazZakladu(panel));
    return panel;
}
} // namespace

TFormZaklad::TFormZaklad(QWidget* rodic) : QMainWindow(rodic) {
    setObjectName("FormZaklad");
    setWindowTitle("Merivox 2.0");
    setWindowIcon(IkonaProgramu());

    akce_ = VytvorAkceZakladu(this);
    connect(akce_.A_NacteniDat, &QAction::triggered, this, &TFormZaklad::A_NacteniDatExecute);
    connect(akce_.A_ZapisSouradnicBodu, &QAction::triggered, this,
            &TFormZaklad::A_ZapisSouradnicBoduExecute);
    connect(akce_.A_ZapisKodu, &QAction::triggered, this, &TFormZaklad::A_ZapisKoduExecute);
    connect(akce_.A_Konverze, &QAction::triggered, this, &TFormZaklad::A_KonverzeExecute);
    connect(akce_.A_ParametryKomunikace, &QAction::triggered, this,
            &TFormZaklad::A_ParametryKomunikaceExecute);
    connect(akce_.A_ParametryProFormatMapa2, &QAction::triggered, this,
            &TFormZaklad::A_ParametryProFormatMapa2Execute);
    connect(akce_.A_OProgramu, &QAction::triggered, this, &TFormZaklad::A_OProgramuExecute);
    connect(akce_.A_Konec, &QAction::triggered, this, &TFormZaklad::A_KonecExecute);

    PostavMenuZakladu(menuBar(), akce_);
    auto* nastroje = new QToolBar(this);
    PostavNastrojovouListu(nastroje, akce_);
    addToolBar(nastroje);
    setCentralWidget(PanelSObrazem(this));
    statusBar()->setFixedHeight(25);
    statusBar()->setSizeGripEnabled(false);

    setFixedSize(kKlientskaPlocha.width(),
                 kKlientskaPlocha.height() + menuBar()->sizeHint().height());
    if (const QScreen* obrazovka = screen())
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                        obrazovka->availableGeometry()));

    connect(new TPosluchacObnoveni(this), &TPosluchacObnoveni::Obnovit, this,
            &TFormZaklad::ObnovAplikaci);
    ZarovnejMenuVpravo(menuBar(), int(menuBar()->actions().size()) - 1);

    // The station link driver (TComDriver) is created here, owned by this window: it loads
    // section Port of the settings file, starts with station type NTS-660 and gets this
    // window's handlers of its two events.
}

void TFormZaklad::closeEvent(QCloseEvent* udalost) {
    UlozNastaveni();
    // The station link driver is freed here; it closes the port if it is open and discards
    // the commands still queued.
    udalost->accept();
}

void TFormZaklad::UlozNastaveni() {
    TIniFile nastaveni(CestaNastaveni());
    // The station link driver writes section Port here first (SaveSettings), and key Type
    // below takes its StationType; until then every run is an NTS-660 run.
    try {
        nastaveni.WriteString("Station", "Type", "NTS-660");
    } catch (const EIniFileError& chyba) {
        // Closing goes on: the settings are all that is lost, and the message says where.
        zpravy_.Zprava(TDruhZpravy::Chyba, chyba.what());
    }
}

void TFormZaklad::A_NacteniDatExecute() {}

void TFormZaklad::A_ZapisSouradnicBoduExecute() {}

void TFormZaklad::A_ZapisKoduExecute() {}

void TFormZaklad::A_KonverzeExecute() {
    KonverzeSouboruOken(this, kTypStanice);
}

void TFormZaklad::A_ParametryKomunikaceExecute() {}

void TFormZaklad::A_ParametryProFormatMapa2Execute() {
    TFormParamMAPA2 dialog(this, kTypStanice);
    dialog.exec();
}

void TFormZaklad::A_OProgramuExecute() {
    try {
        TFormOProgramu box(this, platforma::CestaProgramu());
        box.exec();
    } catch (...) { // whatever goes wrong in the about box, it is not worth a message
    }
}

void TFormZaklad::A_KonecExecute() {
    close();
}

void TFormZaklad::ObnovAplikaci() {
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    PrivedDoPopredi(this);
}
