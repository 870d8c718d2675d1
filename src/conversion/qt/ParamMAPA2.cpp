#include "conversion/qt/ParamMAPA2.h"

#include "common/IniFile.h"
#include "common/Slozky.h"
#include "conversion/KontrolaParametru.h"
#include "conversion/VypocetRedukci.h"
#include "conversion/qt/FiltrPole.h"
#include "ui/Texty.h"
#include "ui/ZpravyOken.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <tuple>
#include <utility>

namespace {
constexpr int kSirka = 563;
constexpr int kVyska = 330;
constexpr int kTlacitkoY = 292;
constexpr QSize kTlacitko(75, 25);

QLineEdit* Pole(QWidget* rodic, const char* jmeno) {
    auto* pole = new QLineEdit(rodic);
    pole->setObjectName(jmeno);
    return pole;
}

QCheckBox* Volba(QWidget* rodic, const char* jmeno, const QString& text, bool stav) {
    auto* volba = new QCheckBox(text, rodic);
    volba->setObjectName(jmeno);
    volba->setChecked(stav);
    return volba;
}

QLineEdit* Vysledek(QWidget* rodic, const char* jmeno) {
    auto* pole = Pole(rodic, jmeno);
    pole->setReadOnly(true);
    return pole;
}

// Shows a stored value whole, even one longer than the field takes when typed: a value is
// never cut, it is refused on saving when it lies out of range.
void NastavCele(QLineEdit* pole, int delka, const std::string& hodnota) {
    const QString text = ZCp1250(hodnota);
    pole->setMaxLength(std::max<int>(delka, static_cast<int>(text.size())));
    pole->setText(text);
}
} // namespace

TFormParamMAPA2::TFormParamMAPA2(QWidget* rodic, TTypStanice typStanice)
    : QDialog(rodic), typStanice_(typStanice), oddelovac_(OddelovacLocale()) {
    setObjectName("FormParamMAPA2");
    setWindowTitle("Parametry pro export dat do formátu MAPA2");
    setFixedSize(kSirka, kVyska);

    nacteno_ = NactiNastaveniMAPA2(TIniFile(CestaNastaveni()));

    zalozky_ = new QTabWidget(this);
    zalozky_->setObjectName("PageControl");
    zalozky_->setGeometry(8, 8, kSirka - 16, kTlacitkoY - 16);
    zalozky_->addTab(ZalozkaRedukce(nacteno_), "Parametry &redukce do S-JTSK");
    zalozky_->addTab(ZalozkaHlavicky(nacteno_), "Hlavička &souboru");
    zalozky_->addTab(ZalozkaKonverze(nacteno_), "Parametry &konverze");
    Tlacitka();

    // Only now: the recomputation fills the result fields made above.
    for (QLineEdit* pole : {E_X, E_Y, E_Vyska})
        connect(pole, &QLineEdit::textChanged, this, &TFormParamMAPA2::PrepocetRedukci);
}

QWidget* TFormParamMAPA2::ZalozkaRedukce(const TNastaveniMAPA2& n) {
    auto* redukce = new QWidget;
    auto* rozvrzeni = new QVBoxLayout(redukce);
    auto* prumery = new QGroupBox(" Průměrné hodnoty ", redukce);
    auto* pForm = new QFormLayout(prumery);
    E_X = Pole(prumery, "E_X");
    E_Y = Pole(prumery, "E_Y");
    E_Vyska = Pole(prumery, "E_Vyska");
    // Seven and six digits hold the whole area; four hold every altitude up to 2700 m.
    for (auto [pole, delka, hodnota] :
         {std::tuple{E_X, 7, &n.SouradniceX}, std::tuple{E_Y, 6, &n.SouradniceY},
          std::tuple{E_Vyska, 4, &n.Vyska}}) {
        pole->setValidator(new TFiltrPole(false, oddelovac_, pole));
        NastavCele(pole, delka, *hodnota);
    }
    pForm->addRow("Souřadnice X [m]:", E_X);
    pForm->addRow("Souřadnice Y [m]:", E_Y);
    pForm->addRow("Nadmořská výška [m]:", E_Vyska);
    auto* korekce = new QGroupBox(" Korekce délek ", redukce);
    auto* kForm = new QFormLayout(korekce);
    E_RedukceJTSK = Vysledek(korekce, "E_RedukceJTSK");
    E_RedukceHorizont = Vysledek(korekce, "E_RedukceHorizont");
    E_Redukce = Vysledek(korekce, "E_Redukce");
    kForm->addRow("Redukce zobrazení S-JTSK:", E_RedukceJTSK);
    kForm->addRow("Redukce na nulový horizont:", E_RedukceHorizont);
    kForm->addRow("Celková redukce délek:", E_Redukce);
    auto* fForm = new QFormLayout;
    E_MeritkovyFaktor = Pole(redukce, "E_MeritkovyFaktor");
    E_MeritkovyFaktor->setValidator(new TFiltrPole(true, oddelovac_, E_MeritkovyFaktor));
    E_MeritkovyFaktor->setStyleSheet("color: blue; font-weight: bold;");
    fForm->addRow("Měřítkový faktor:", E_MeritkovyFaktor);
    rozvrzeni->addWidget(prumery);
    rozvrzeni->addWidget(korekce);
    rozvrzeni->addLayout(fForm);
    return redukce;
}

QWidget* TFormParamMAPA2::ZalozkaHlavicky(const TNastaveniMAPA2& n) {
    auto* hlavicka = new QWidget;
    auto* rozvrzeni = new QVBoxLayout(hlavicka);
    auto* nts350 = new QGroupBox(" NTS-350 ", hlavicka);
    auto* n350 = new QVBoxLayout(nts350);
    CB_VlozitHlavickuUzivatel =
        Volba(nts350, "CB_VlozitHlavickuUzivatel",
              "Do souboru vložit hlavičku definovanou uživatelem", n.HlavickaUzivatel);
    E_Hlavicka = Pole(nts350, "E_Hlavicka");
    E_Hlavicka->setText(ZCp1250(n.TextHlavicky));
    for (QWidget* w :
         {static_cast<QWidget*>(CB_VlozitHlavickuUzivatel), static_cast<QWidget*>(E_Hlavicka)}) {
        w->setToolTip("Pouze pro totální stanice NTS-350");
        n350->addWidget(w);
    }
    auto* nts660 = new QGroupBox(" NTS-660 ", hlavicka);
    auto* n660 = new QVBoxLayout(nts660);
    CB_VlozitHlavickuZDat =
        Volba(nts660, "CB_VlozitHlavickuZDat",
              "Do souboru vložit hlavičku získanou z načtených dat", n.HlavickaZDat);
    CB_VlozitHlavickuZDat->setToolTip("Pouze pro totální stanice NTS-660");
    n660->addWidget(CB_VlozitHlavickuZDat);
    rozvrzeni->addWidget(nts350);
    rozvrzeni->addWidget(nts660);
    rozvrzeni->addStretch();
    return hlavicka;
}

QWidget* TFormParamMAPA2::ZalozkaKonverze(const TNastaveniMAPA2& n) {
    auto* konverze = new QWidget;
    auto* rozvrzeni = new QVBoxLayout(konverze);
    auto* skupinaDat = new QGroupBox(" Konverze dat ", konverze);
    auto* dRozvrzeni = new QVBoxLayout(skupinaDat);
    CB_NestandardniJednotky =
        Volba(skupinaDat, "CB_NestandardniJednotky", "Informovat o nestandardních &jednotkách",
              n.NestandardniJednotky);
    CB_NestandardniVysky = Volba(skupinaDat, "CB_NestandardniVysky",
                                 "Informovat o nestandardních &výškách", n.NestandardniVysky);
    E_OznaceniOrientBodu = Pole(skupinaDat, "E_OznaceniOrientBodu");
    E_OznaceniOrientBodu->setMaxLength(1);
    E_OznaceniOrientBodu->setFixedWidth(30);
    E_OznaceniOrientBodu->setText(ZCp1250(n.ZnakOrientace));
    E_OznaceniOrientBodu->installEventFilter(this);
    auto* znak = new QFormLayout;
    auto* znakPopis = new QLabel("&Označení orientačních bodů:", skupinaDat);
    znakPopis->setBuddy(E_OznaceniOrientBodu);
    znak->addRow(znakPopis, E_OznaceniOrientBodu);
    CB_ProhozeniSouradnic = Volba(skupinaDat, "CB_ProhozeniSouradnic",
                                  "&Prohození výstupu souřadnic X/Y", n.ProhozeniXY);
    dRozvrzeni->addWidget(CB_NestandardniJednotky);
    dRozvrzeni->addWidget(CB_NestandardniVysky);
    dRozvrzeni->addLayout(znak);
    dRozvrzeni->addWidget(CB_ProhozeniSouradnic);
    auto* dalsi = new QGroupBox(" Další funkce ", konverze);
    auto* dlRozvrzeni = new QVBoxLayout(dalsi);
    CB_ZobrazVyslednySoubor = Volba(dalsi, "CB_ZobrazVyslednySoubor",
                                    "Zobrazit výsledný &soubor (*.zap, *.asc)", n.ZobrazitSoubor);
    dlRozvrzeni->addWidget(CB_ZobrazVyslednySoubor);
    rozvrzeni->addWidget(skupinaDat);
    rozvrzeni->addWidget(dalsi);
    rozvrzeni->addStretch();
    return konverze;
}

void TFormParamMAPA2::Tlacitka() {
    Tl_Uloz = new QPushButton("&Ulož", this);
    Tl_Uloz->setObjectName("Tl_Uloz");
    Tl_Uloz->setToolTip(" Zavření okna s uložením parametrů");
    Tl_Uloz->setGeometry(QRect(QPoint(194, kTlacitkoY), kTlacitko));
    Tl_Uloz->setDefault(true);
    connect(Tl_Uloz, &QPushButton::clicked, this, [this] { ZavriTlacitkem(QDialog::Accepted); });
    Tl_Zpet = new QPushButton("&Zpět", this);
    Tl_Zpet->setObjectName("Tl_Zpet");
    Tl_Zpet->setToolTip(" Zavření okna bez uložení parametrů");
    Tl_Zpet->setGeometry(QRect(QPoint(294, kTlacitkoY), kTlacitko));
    connect(Tl_Zpet, &QPushButton::clicked, this, [this] { ZavriTlacitkem(QDialog::Rejected); });
}

void TFormParamMAPA2::NastavFormuKonverze() {
    formaKonverze_ = true;
    Tl_Uloz->setText("OK");
    Tl_Uloz->setToolTip(QString());
    Tl_Uloz->move(244, Tl_Uloz->y());
    Tl_Zpet->hide();
}

void TFormParamMAPA2::showEvent(QShowEvent* udalost) {
    QDialog::showEvent(udalost);
    PrepocetRedukci();
    if (typStanice_ == TTypStanice::tsNTS350) {
        CB_VlozitHlavickuZDat->setEnabled(false);
    } else if (typStanice_ == TTypStanice::tsNTS660) {
        CB_VlozitHlavickuUzivatel->setEnabled(false);
        E_Hlavicka->setEnabled(false);
    }
}

void TFormParamMAPA2::PrepocetRedukci() {
    const TRedukce r =
        VypocetRedukci(DoCp1250(E_X->text()), DoCp1250(E_Y->text()), DoCp1250(E_Vyska->text()));
    meritkovyFaktor_ = r.Faktor;
    E_RedukceJTSK->setText(ZCp1250(TextRedukce(r.JTSK, oddelovac_)));
    E_RedukceHorizont->setText(ZCp1250(TextRedukce(r.Horizont, oddelovac_)));
    E_Redukce->setText(ZCp1250(TextRedukce(r.Celkem, oddelovac_)));
    E_MeritkovyFaktor->setText(ZCp1250(TextFaktoru(r.Faktor, oddelovac_)));
}

bool TFormParamMAPA2::eventFilter(QObject* objekt, QEvent* udalost) {
    if (objekt == E_OznaceniOrientBodu && udalost->type() == QEvent::FocusIn)
        varovatPriZavreni_ = false;
    // A box of this dialog (or another window) taking the focus does not leave the field.
    if (objekt == E_OznaceniOrientBodu && udalost->type() == QEvent::FocusOut && !zavreno_ &&
        isVisible() && E_OznaceniOrientBodu->text().isEmpty() &&
        static_cast<QFocusEvent*>(udalost)->reason() != Qt::ActiveWindowFocusReason) {
        // A mouse press on a closing button takes the focus before the button sees the
        // press: a message box shown now would take the release, the click would be lost and
        // the focus sent back, so the dialog could not be closed by mouse. The click goes on
        // and brings the warning with it.
        const auto* fokus = static_cast<QFocusEvent*>(udalost);
        QWidget* novy = QApplication::focusWidget();
        if (fokus->reason() == Qt::MouseFocusReason && (novy == Tl_Uloz || novy == Tl_Zpet)) {
            varovatPriZavreni_ = true;
        } else {
            VarujPrazdnyZnak();
            E_OznaceniOrientBodu->setFocus();
        }
    }
    return QDialog::eventFilter(objekt, udalost);
}

void TFormParamMAPA2::VarujPrazdnyZnak() {
    UkazZpravu(this, ZpravaDruhu(TDruhZpravy::dzVarovani, "Není zadán znak pro orientační body!"));
}

void TFormParamMAPA2::ZavriTlacitkem(int vysledek) {
    // Enter in the empty field saves without leaving it: it is warned of all the same.
    const bool varovat = std::exchange(varovatPriZavreni_, false) ||
                         (vysledek == QDialog::Accepted && E_OznaceniOrientBodu->hasFocus());
    if (varovat && E_OznaceniOrientBodu->text().isEmpty())
        VarujPrazdnyZnak();
    done(vysledek);
}

TNastaveniMAPA2 TFormParamMAPA2::NastaveniZOvladacu() const {
    TNastaveniMAPA2 n;
    n.SouradniceX = DoCp1250(E_X->text());
    n.SouradniceY = DoCp1250(E_Y->text());
    n.Vyska = DoCp1250(E_Vyska->text());
    n.HlavickaZDat = CB_VlozitHlavickuZDat->isChecked();
    n.HlavickaUzivatel = CB_VlozitHlavickuUzivatel->isChecked();
    n.TextHlavicky = DoCp1250(E_Hlavicka->text());
    n.ZobrazitSoubor = CB_ZobrazVyslednySoubor->isChecked();
    n.ZnakOrientace = DoCp1250(E_OznaceniOrientBodu->text());
    n.NestandardniVysky = CB_NestandardniVysky->isChecked();
    n.NestandardniJednotky = CB_NestandardniJednotky->isChecked();
    n.ProhozeniXY = CB_ProhozeniSouradnic->isChecked();
    return n;
}

bool TFormParamMAPA2::LzeUlozit() {
    if (const auto chyba = ChybaPrumeru(NastaveniZOvladacu())) {
        UkazZpravu(this, ZpravaDruhu(TDruhZpravy::dzChyba, ZCp1250(chyba->Text)));
        zalozky_->setCurrentIndex(0);
        QLineEdit* pole = chyba->Parametr == TParametrMista::pmX   ? E_X
                          : chyba->Parametr == TParametrMista::pmY ? E_Y
                                                                   : E_Vyska;
        pole->setFocus();
        pole->selectAll();
        return false;
    }
    if (!formaKonverze_)
        return true; // the factor is not stored: only a conversion uses it
    const std::string faktor = DoCp1250(E_MeritkovyFaktor->text());
    if (FaktorVRozsahu(CtiFaktor(faktor, oddelovac_)))
        return true;
    const QString otazka = ZCp1250(TextFaktorMimoRozsah(faktor, oddelovac_)) +
                           "\nOpravdu chcete převést data s tímto faktorem?";
    if (UkazZpravu(this, OtazkaAnoNe(ZCp1250(TitulekZpravy(TDruhZpravy::dzVarovani)), otazka)) ==
        QMessageBox::Yes)
        return true;
    zalozky_->setCurrentIndex(0);
    E_MeritkovyFaktor->setFocus();
    E_MeritkovyFaktor->selectAll();
    return false;
}

// Every way of closing ends here (the buttons, Escape and the close button all reach done).
// Only an accepted close writes the settings; the others leave the file as it was.
void TFormParamMAPA2::done(int vysledek) {
    if (!zavreno_ && vysledek == QDialog::Accepted) {
        if (!LzeUlozit())
            return;
        TNastaveniMAPA2 n = NastaveniZOvladacu();
        // Without a mark every orientation shot would become a detail point in every later
        // conversion: the warning has been shown, and the stored mark stays.
        if (n.ZnakOrientace.empty())
            n.ZnakOrientace = nacteno_.ZnakOrientace;
        try {
            TIniFile ini(CestaNastaveni());
            ZapisNastaveniMAPA2(ini, n);
        } catch (const EIniFileError& chyba) {
            UkazZpravu(this, ZpravaDruhu(TDruhZpravy::dzChyba, ZCp1250(chyba.what())));
        }
        meritkovyFaktor_ = CtiFaktor(DoCp1250(E_MeritkovyFaktor->text()), oddelovac_);
    }
    zavreno_ = true;
    QDialog::done(vysledek);
}

TVolbyKonverze TFormParamMAPA2::Volby() const {
    TVolbyKonverze v = VolbyZNastaveni(NastaveniZOvladacu());
    v.MeritkovyFaktor = meritkovyFaktor_;
    v.CelkovaRedukce = DoCp1250(E_Redukce->text());
    return v;
}
