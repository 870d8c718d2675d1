#include "app/Zaklad.h"

#include "app/ExportBodu.h"
#include "app/Instance.h"
#include "app/Navod.h"
#include "app/OProgramu.h"
#include "app/ObrazZakladu.h"
#include "app/Obrazky.h"
#include "common/IniFile.h"
#include "common/Slozky.h"
#include "common/TypStanice.h"
#include "conversion/qt/KonverzeOken.h"
#include "conversion/qt/ParamMAPA2.h"
#include "conversion/qt/VysledekKonverze.h"
#include "download/KonecNacteni.h"
#include "download/qt/CekamNaData.h"
#include "download/qt/NactenaData.h"
#include "export/qt/ExportSouradnic.h"
#include "link/Komunikace.h"
#include "link/SouborZaznamu.h"
#include "link/qt/CasovacQt.h"
#include "link/qt/ComConfig.h"
#include "survey/qt/NahledOken.h"
#include "ui/HlidaniOken.h"
#include "ui/ZarovnaniMenu.h"
#include "upload/TextyZapisu.h"
#include "upload/qt/ZapisKodu.h"
#include "upload/qt/ZapisSouradnicBodu.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdint>

namespace {
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
    connect(akce_.A_NahledMereni, &QAction::triggered, this, &TFormZaklad::A_NahledMereniExecute);
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
        UmistiNaPlochu(obrazovka->availableGeometry());

    connect(new TPosluchacObnoveni(this), &TPosluchacObnoveni::Obnovit, this,
            &TFormZaklad::ObnovAplikaci);
    ZarovnejMenuVpravo(menuBar(), int(menuBar()->actions().size()) - 1);
    // The user guide on F1 in every window, without a menu item of its own, and the watch
    // that keeps every dialog on the screen: for as long as the program runs.
    qApp->installEventFilter(new TNapovedaOken(this, [] { return SlozkaProgramu(); }));
    qApp->installEventFilter(new THlidaniOken(this));
    InstalujDriver();
}

TFormZaklad::~TFormZaklad() = default;

void TFormZaklad::UmistiNaPlochu(const QRect& plocha) {
    // The frame is placed (move() positions a window by its frame): centred, but never
    // above or left of the area, so that on a screen smaller than the window the title bar,
    // the menu and the tool bar stay reachable at the area's top-left corner.
    const QSize ramec = frameGeometry().size();
    const QRect stred = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, ramec, plocha);
    move(std::max(plocha.left(), std::min(stred.left(), plocha.right() + 1 - ramec.width())),
         std::max(plocha.top(), std::min(stred.top(), plocha.bottom() + 1 - ramec.height())));
}

void TFormZaklad::InstalujDriver() {
    TProstrediKomunikace prostredi;
    prostredi.VytvorCekani = [this] {
        return std::make_unique<TFormCekamNaData>(this);
    };
    prostredi.VytvorCasovac = [] {
        return std::make_unique<TCasovacQt>();
    };
    prostredi.Zpravy = &zpravy_;
    prostredi.SouborZaznamu = VychoziSouborZaznamu();
    driver_ = std::make_unique<TComDriver>(std::move(prostredi));
    driver_->OnKomunikaceOK = [this](TComDriver& d, TMnozinaPrikazu typ, bool preruseno,
                                     const std::string& prijato) {
        KomunikaceOK(d, typ, preruseno, prijato);
    };
    driver_->OnKomunikaceErr = [this](TComDriver& d, TMnozinaPrikazu typ, bool preruseno,
                                      const std::string& prijato) {
        KomunikaceErr(d, typ, preruseno, prijato);
    };
    TIniFile nastaveni(CestaNastaveni());
    const std::string varovaniPortu = driver_->LoadSettings(nastaveni);
    nastaveniNelzeZapsat_ = nastaveni.StavCteni().Chyba.has_value();
    if (const auto varovani = VarovaniNastaveni(nastaveni.Path()))
        varovaniNastaveni_ = *varovani + "\n";
    if (!varovaniPortu.empty())
        varovaniNastaveni_ += varovaniPortu + "\n";
    // Every run begins with an NTS-660, whatever the settings file says.
    driver_->StationType = TTypStanice::tsNTS660;
}

void TFormZaklad::closeEvent(QCloseEvent* udalost) {
    if (driver_) { // a second close finds the driver already gone
        UlozNastaveni();
        // Closes the port if it is open and discards the commands still queued.
        driver_.reset();
    }
    udalost->accept();
}

void TFormZaklad::UlozNastaveni() {
    TIniFile nastaveni(CestaNastaveni());
    try {
        driver_->SaveSettings(nastaveni);
        nastaveni.WriteString("Station", "Type", TextTypuStanice(driver_->StationType));
    } catch (const EIniFileError& chyba) {
        // Closing goes on: the settings are all that is lost, and the message says where
        // (unless the start has said it already).
        if (!nastaveniNelzeZapsat_)
            zpravy_.Zprava(TDruhZpravy::dzChyba, chyba.what());
    }
}

void TFormZaklad::OhlasNastaveni() {
    if (!varovaniNastaveni_.empty())
        zpravy_.Zprava(TDruhZpravy::dzVarovani,
                       varovaniNastaveni_.substr(0, varovaniNastaveni_.size() - 1));
    varovaniNastaveni_.clear();
}

void TFormZaklad::KomunikaceOK(TComDriver& sender, std::uint8_t typPrikazu, bool preruseno,
                               const std::string& prijato) {
    statusBar()->clearMessage();
    if (typPrikazu == PrikazZapis) {
        zpravy_.Zprava(TDruhZpravy::dzInformace, TextZapisUspesny());
        return;
    }
    if (typPrikazu != PrikazNacteni)
        return;
    switch (NalozeniNacteni(sender.StationType, preruseno, prijato)) {
    case TNalozeniNacteni::Zahodit:
        return;
    case TNalozeniNacteni::Zeptat:
        if (!zpravy_.OtazkaAnoNe(TitulekZpravy(TDruhZpravy::dzVarovani),
                                 TextNeuplnaData(prijato.size())))
            return;
        break;
    case TNalozeniNacteni::Zobrazit:
        break;
    }
    UkazNactenaData(prijato);
}

void TFormZaklad::KomunikaceErr(TComDriver& sender, std::uint8_t, bool, const std::string&) {
    statusBar()->clearMessage();
    sender.ClearCommands();
    // A lost line has been told by the driver already: one failure, one box.
    if (!sender.ChybaOhlasena())
        zpravy_.Zprava(TDruhZpravy::dzChyba, sender.SeZaznamem(TextChybaKomunikace()));
}

void TFormZaklad::UkazNactenaData(const std::string& prijato) {
    TFormNactenaData okno(this, ComDriver(), &KonverzeUlozenehoSouboru,
                          [](QWidget* rodic, const std::string& data, TTypStanice typ) {
                              NahledDat(rodic, data, typ, &ExportujSouradnice);
                          });
    okno.NastavData(prijato);
    if (okno.exec() != TFormNactenaData::VysledekAno)
        return;
    const std::filesystem::path vystup = okno.VystupKonverze();
    okno.hide();
    TFormVysledekKonverze vysledek(this, vystup);
    vysledek.exec();
}

void TFormZaklad::A_NacteniDatExecute() {
    ComDriver().AddCommand(PrikazNacteni, "");
}

void TFormZaklad::A_ZapisSouradnicBoduExecute() {
    TFormZapisSouradnicBodu okno(this, ComDriver());
    okno.NastavOnExport([&okno] { ExportTabulkyBodu(okno); });
    okno.exec();
}

void TFormZaklad::A_ZapisKoduExecute() {
    TFormZapisKodu okno(this, ComDriver());
    okno.exec();
}

void TFormZaklad::A_KonverzeExecute() {
    KonverzeSouboruOken(this, ComDriver().StationType);
}

void TFormZaklad::A_NahledMereniExecute() {
    NahledMereniOken(this, ComDriver().StationType, &ExportujSouradnice);
}

void TFormZaklad::A_ParametryKomunikaceExecute() {
    ParametryKomunikaceOken(this, ComDriver());
}

void TFormZaklad::A_ParametryProFormatMapa2Execute() {
    TFormParamMAPA2 dialog(this, ComDriver().StationType);
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
