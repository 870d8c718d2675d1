#include "link/qt/ComConfig.h"

#include "link/ComConfigVolby.h"
#include "link/Komunikace.h"
#include "link/TextyPortu.h"
#include "serial/SpSlovnikLinky.h"
#include "serial/qt/SpPortControls.h"
#include "ui/SkupinaVoleb.h"
#include "ui/Texty.h"
#include "ui/ZpravyOken.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <exception>

namespace {
// Wider than the bare list of numbers needed: each port names its device and adapter.
constexpr int kSirka = 481;
constexpr int kPosun = kSirka - 281; // the right-hand column moves by what the list gained
constexpr int kVyska = 481;
constexpr QSize kTlacitko(75, 25);

QStringList Polozky(const std::vector<std::string>& texty) {
    QStringList polozky;
    for (const std::string& text : texty)
        polozky << ZCp1250(text);
    return polozky;
}

TSkupinaVoleb* Skupina(QWidget* rodic, const char* jmeno, const QString& titulek,
                       const QStringList& polozky, const QString& napoveda, QRect misto) {
    auto* skupina = new TSkupinaVoleb(titulek, rodic);
    skupina->setObjectName(jmeno);
    skupina->NastavPolozky(polozky);
    skupina->setToolTip(napoveda);
    skupina->setGeometry(misto);
    return skupina;
}

QPushButton* Tlacitko(QWidget* rodic, const char* jmeno, const QString& text,
                      const QString& napoveda, QPoint misto) {
    auto* tlacitko = new QPushButton(text, rodic);
    tlacitko->setObjectName(jmeno);
    tlacitko->setToolTip(napoveda);
    tlacitko->setGeometry(QRect(misto, kTlacitko));
    return tlacitko;
}

// The main window shows the wait cursor while the command runs, whatever way it ends.
class TCekaciKurzor {
public:
    explicit TCekaciKurzor(QWidget* okno) : okno_(okno) {
        if (okno_)
            okno_->setCursor(Qt::WaitCursor);
    }
    ~TCekaciKurzor() {
        if (okno_)
            okno_->unsetCursor();
    }
    TCekaciKurzor(const TCekaciKurzor&) = delete;
    TCekaciKurzor& operator=(const TCekaciKurzor&) = delete;

private:
    QWidget* okno_;
};
} // namespace

TPoleKroku::TPoleKroku(int minimum, int maximum, QWidget* rodic)
    : QAbstractSpinBox(rodic), minimum_(minimum), maximum_(maximum) {
    lineEdit()->setMaxLength(1);
}

QString TPoleKroku::Text() const {
    return lineEdit()->text();
}

void TPoleKroku::NastavText(const QString& text) {
    lineEdit()->setText(text);
}

void TPoleKroku::stepBy(int kroky) {
    bool cislo = false;
    const int hodnota = Text().toInt(&cislo);
    NastavText(
        QString::number(std::clamp((cislo ? hodnota : maximum_) + kroky, minimum_, maximum_)));
}

QAbstractSpinBox::StepEnabled TPoleKroku::stepEnabled() const {
    bool cislo = false;
    const int hodnota = Text().toInt(&cislo);
    if (!cislo)
        return StepUpEnabled | StepDownEnabled;
    StepEnabled kroky = StepNone;
    if (hodnota < maximum_)
        kroky |= StepUpEnabled;
    if (hodnota > minimum_)
        kroky |= StepDownEnabled;
    return kroky;
}

TFormComConfig::TFormComConfig(QWidget* parent, TComDriver& driver, TSpPortProbe probe,
                               TSpPortDescriber describer)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      driver_(driver) {
    setObjectName("FormComConfig");
    setWindowTitle("Nastavení parametrů komunikace");
    setFixedSize(kSirka, kVyska);

    // Closed first: the list probes every port, this one included, and must find it free.
    driver_.Port().SetActive(false);
    puvodniPort_ = driver_.Port().ComNumber();

    G_Port = new TSpPortRadioGroup(this, 10, {pcCheckExist, pcDisableOpen}, std::move(probe),
                                   std::move(describer));
    G_Port->setObjectName("G_Port");
    G_Port->setTitle("&Port");
    G_Port->setToolTip("Číslo komunikačního portu");
    G_Port->setGeometry(8, 8, 128 + kPosun, 250);
    G_Port->SetComPort(&driver_.Port());

    G_Rychlost = Skupina(this, "G_Rychlost", " &Rychlost ", Polozky(TextyRychlosti()),
                         "Komunikační rychlost", QRect(145 + kPosun, 8, 128, 250));
    G_Parita = Skupina(this, "G_Parita", " P&arita ", {" Žádná", " Sudá", " Lichá"}, "Parita",
                       QRect(8, 266, 128 + kPosun, 90));
    G_StopBity = Skupina(this, "G_StopBity", " &Stop bity ", Polozky(TextyStopBitu()),
                         "Počet stop bitů", QRect(145 + kPosun, 266, 128, 50));
    G_StopBity->NastavSloupce(2);

    L_DatoveBity = new QLabel(" &Datové bity ", this);
    L_DatoveBity->setObjectName("L_DatoveBity");
    L_DatoveBity->setGeometry(145 + kPosun, 330, 80, 24);
    E_DatoveBity = new TPoleKroku(5, 8, this);
    E_DatoveBity->setObjectName("E_DatoveBity");
    E_DatoveBity->setToolTip("Počet datových bitů");
    E_DatoveBity->setGeometry(229 + kPosun, 330, 44, 24);
    E_DatoveBity->NastavText("8");
    L_DatoveBity->setBuddy(E_DatoveBity);
    // A text that stands for no data bits changes nothing: once the field is left it shows
    // the value that stays in force rather than one that will not be used.
    connect(E_DatoveBity, &QAbstractSpinBox::editingFinished, this, [this] {
        if (!DatoveBityZTextu(DoCp1250(E_DatoveBity->Text())))
            E_DatoveBity->NastavText(ZCp1250(TextDatovychBitu(driver_.DataBits())));
    });

    L_TypStanice = new QLabel("&Typ stanice:", this);
    L_TypStanice->setObjectName("L_TypStanice");
    L_TypStanice->setGeometry(8, 376, 90, 24);
    CB_TypStanice = new QComboBox(this);
    CB_TypStanice->setObjectName("CB_TypStanice");
    CB_TypStanice->setEditable(true);
    CB_TypStanice->setInsertPolicy(QComboBox::NoInsert);
    CB_TypStanice->addItems(
        {TextTypuStanice(TTypStanice::tsNTS350), TextTypuStanice(TTypStanice::tsNTS660)});
    CB_TypStanice->setGeometry(100, 376, 173 + kPosun, 24);
    L_TypStanice->setBuddy(CB_TypStanice);

    Tl_Uloz = Tlacitko(this, "Tl_Uloz", "&Ulož", " Zavření okna s uložením parametrů",
                       QPoint(53 + kPosun / 2, 440));
    Tl_Uloz->setDefault(true);
    connect(Tl_Uloz, &QPushButton::clicked, this, &QDialog::accept);
    Tl_Zpet = Tlacitko(this, "Tl_Zpet", "&Zpět", " Zavření okna bez uložení parametrů",
                       QPoint(153 + kPosun / 2, 440));
    connect(Tl_Zpet, &QPushButton::clicked, this, &QDialog::reject);

    G_Parita->SetItemIndex(IndexParity(driver_.Parity()));
    G_StopBity->SetItemIndex(IndexStopBitu(driver_.StopBits()));
    E_DatoveBity->NastavText(ZCp1250(TextDatovychBitu(driver_.DataBits())));
    G_Rychlost->SetItemIndex(IndexRychlosti(driver_.BaudRate()));
    CB_TypStanice->setCurrentIndex(IndexTypuStanice(driver_.StationType));
}

TFormComConfig::~TFormComConfig() {
    G_Port->SetComPort(nullptr);
}

void TFormComConfig::PouzijNastaveni() {
    driver_.SetComNumber(driver_.Port().ComNumber());
    if (const auto parita = ParitaZIndexu(G_Parita->ItemIndex()))
        driver_.SetParity(*parita);
    if (const auto stopBity = StopBityZIndexu(G_StopBity->ItemIndex()))
        driver_.SetStopBits(*stopBity);
    if (const auto datoveBity = DatoveBityZTextu(DoCp1250(E_DatoveBity->Text())))
        driver_.SetDataBits(*datoveBity);
    if (const auto rychlost = RychlostZIndexu(G_Rychlost->ItemIndex()))
        driver_.SetBaudRate(*rychlost);
    if (const auto typ = TypStaniceZTextu(DoCp1250(CB_TypStanice->currentText())))
        driver_.StationType = *typ;
    driver_.ZkusPort();
    // Opened to test the settings on the system, then closed again unless a command runs:
    // a port kept open would be held from other programs until the next transfer ended.
    if (driver_.PocetPrikazu() == 0)
        driver_.Port().SetActive(false);
}

void TFormComConfig::done(int vysledek) {
    // A click in the port list switches the port at once; going back takes that back too.
    if (vysledek != QDialog::Accepted)
        driver_.Port().SetComNumber(puvodniPort_);
    QDialog::done(vysledek);
}

void ParametryKomunikaceOken(QWidget* hlavniOkno, TComDriver& driver) {
    const TCekaciKurzor kurzor(hlavniOkno);
    try {
        TFormComConfig dialog(hlavniOkno, driver);
        if (dialog.exec() == QDialog::Accepted)
            dialog.PouzijNastaveni();
    } catch (const std::exception& chyba) {
        UkazZpravu(hlavniOkno, ZpravaDruhu(TDruhZpravy::dzChyba,
                                           ZCp1250(TextChybyOtevreni(
                                               SpJmenoPortu(driver.Port().ComNumber()), chyba))));
    }
}
