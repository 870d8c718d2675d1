#include "upload/qt/OknoZapisu.h"

#include "common/Cp1250.h"
#include "link/DelkaRadku.h"
#include "ui/DialogSouboru.h"
#include "ui/NastrojovaLista.h"
#include "ui/Texty.h"
#include "upload/TextyZapisu.h"
#include "upload/qt/ObrazkyZapisu.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

QAction* Akce(QWidget* okno, const char* jmeno, const char* titulek, const char* napoveda,
              const char* obrazek) {
    auto* akce = new QAction(IkonaZapisu(obrazek), QString::fromUtf8(titulek), okno);
    akce->setObjectName(jmeno);
    akce->setToolTip(QString::fromUtf8(napoveda));
    akce->setStatusTip(QString::fromUtf8(napoveda));
    return akce;
}

// The table row whose record is the `zaznam`-th line of the upload text: each non-empty row
// gives one record.
int RadekZaznamu(const TTabulkaTextu& tabulka, std::size_t zaznam) {
    for (int r = 1; r <= tabulka.PocetRadku(); ++r)
        if (!tabulka.JePrazdnyRadek(r) && --zaznam == 0)
            return r;
    return tabulka.PocetRadku();
}

} // namespace

TFormZapisTabulky::TFormZapisTabulky(QWidget* rodic, TComDriver& driver,
                                     std::unique_ptr<TTabulkaTextu> tabulka,
                                     const TTextyOknaZapisu& texty)
    : QDialog(rodic), driver_(driver), tabulka_(std::move(tabulka)), texty_(texty) {
    setWindowTitle(QString::fromUtf8(texty.Titulek));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    A_OtevriSoubor =
        Akce(this, "A_OtevriSoubor", "Otevření souboru ...", texty.NapovedaOtevri, "otevri-soubor");
    A_UlozDoSouboru = Akce(this, "A_UlozDoSouboru", "&Uložení dat do souboru ...",
                           "Uložení dat do souboru", "uloz-soubor");
    A_Pridej =
        Akce(this, texty.JmenoPridej, texty.TitulekPridej, texty.NapovedaPridej, "pridej-radek");
    A_Vymaz = Akce(this, texty.JmenoVymaz, texty.TitulekVymaz, texty.NapovedaVymaz, "vymaz-radek");
    A_ZapisDat = Akce(this, "A_ZapisDat", "Zápis dat do totální stanice",
                      "Zápis dat do totální stanice", "zapis-dat");
    A_Konec = Akce(this, "A_Konec", "Zavření okna", "Zavření okna", "zavri-okno");
    // The commands from the keyboard as well. The send takes a function key, which no cell
    // editor uses and no typing hits by chance; Escape only leaves a cell (keyPressEvent).
    A_OtevriSoubor->setShortcut(QKeySequence::Open);
    A_UlozDoSouboru->setShortcut(QKeySequence::Save);
    A_ZapisDat->setShortcut(Qt::Key_F9);
    A_Konec->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));

    lista_ = new QToolBar(this);
    lista_->setObjectName("ToolBar");
    lista_->setIconSize(QSize(24, 24));
    lista_->setMovable(false);
    PridejTlacitko(lista_, A_OtevriSoubor);
    PridejTlacitko(lista_, A_UlozDoSouboru);
    lista_->addSeparator();
    PridejTlacitko(lista_, A_Pridej);
    PridejTlacitko(lista_, A_Vymaz);
    lista_->addSeparator();
    PridejTlacitko(lista_, A_ZapisDat);
    lista_->addSeparator();
    PridejTlacitko(lista_, A_Konec);

    // How many lines the station has acknowledged: a long send would look dead without it.
    L_PopisPrubehu = new QLabel("Zapsáno řádků:", this);
    L_PopisPrubehu->setObjectName("L_PopisPrubehu");
    L_PopisPrubehu->hide();
    L_Prubeh = new QLabel(this);
    L_Prubeh->setObjectName("L_Prubeh");
    L_Prubeh->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont tucne = L_Prubeh->font();
    tucne.setBold(true);
    L_Prubeh->setFont(tucne);

    // Which character split the opened file: a file split wrongly would put wrong values
    // into the cells without a word.
    L_Oddelovac = new QLabel(this);
    L_Oddelovac->setObjectName("L_Oddelovac");
    L_Oddelovac->setToolTip(
        QString::fromUtf8("Podle tohoto znaku byly řádky otevřeného souboru rozděleny do sloupců"));
    L_Oddelovac->hide();

    auto* horni = new QHBoxLayout;
    horni->setContentsMargins(0, 0, 0, 0);
    horni->addWidget(lista_);
    horni->addStretch(1);
    horni->addWidget(L_Oddelovac);
    horni->addSpacing(12);
    horni->addWidget(L_PopisPrubehu);
    horni->addWidget(L_Prubeh);

    StringGrid = new TMrizkaTabulky(this, *tabulka_, texty.SirkySloupcu);
    StringGrid->addAction(A_Pridej); // the context menu, in this order
    StringGrid->addAction(A_Vymaz);

    rozvrzeni_ = new QVBoxLayout(this);
    rozvrzeni_->setContentsMargins(15, 4, 15, 10);
    rozvrzeni_->setSpacing(6);
    rozvrzeni_->addLayout(horni);

    connect(A_OtevriSoubor, &QAction::triggered, this, &TFormZapisTabulky::A_OtevriSouborExecute);
    connect(A_UlozDoSouboru, &QAction::triggered, this, &TFormZapisTabulky::A_UlozDoSouboruExecute);
    connect(A_Pridej, &QAction::triggered, this, &TFormZapisTabulky::A_PridejExecute);
    connect(A_Vymaz, &QAction::triggered, this, &TFormZapisTabulky::A_VymazExecute);
    connect(A_ZapisDat, &QAction::triggered, this, &TFormZapisTabulky::A_ZapisDatExecute);
    connect(A_Konec, &QAction::triggered, this, &QDialog::close);
    connect(StringGrid, &TMrizkaTabulky::KlavesaUvolnena, this,
            &TFormZapisTabulky::StringGridKeyUp);
}

TFormZapisTabulky::~TFormZapisTabulky() {
    VratUdalosti();
    // The table goes with this object, the grid only later with the dialog, which hides
    // itself first and so makes an open cell editor commit its text.
    StringGrid->OdpojTabulku();
}

QString TFormZapisTabulky::TextPrubehu() const {
    return L_Prubeh->text();
}

QString TFormZapisTabulky::TextOddelovace() const {
    return L_Oddelovac->text();
}

void TFormZapisTabulky::UkazOddelovac(char oddelovac) {
    const bool ukazat = oddelovac != 0 && oddelovac != ',';
    L_Oddelovac->setText(ukazat ? ZCp1250(::TextOddelovace(oddelovac)) : QString());
    L_Oddelovac->setVisible(ukazat);
}

void TFormZapisTabulky::done(int vysledek) {
    VratUdalosti();
    QDialog::done(vysledek);
}

void TFormZapisTabulky::closeEvent(QCloseEvent* udalost) {
    if (MuzeOdejit(true))
        QDialog::closeEvent(udalost);
    else
        udalost->ignore();
}

bool TFormZapisTabulky::Zmeneno() const {
    return ObsahSouboru() != ulozeno_;
}

bool TFormZapisTabulky::MuzeOdejit(bool zavreni) {
    if (!Zmeneno())
        return true;
    const TZpravaOkna otazka = OtazkaNeulozeno(
        QString::fromUtf8(zavreni ? "Tabulka byla změněna a není uložena v souboru. Uložit ji "
                                    "před zavřením okna?"
                                  : "Tabulka byla změněna a není uložena v souboru. Uložit ji "
                                    "před načtením jiného souboru?"));
    switch (UkazZpravu(this, otazka)) {
    case QMessageBox::Save:
        return Uloz();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void TFormZapisTabulky::keyPressEvent(QKeyEvent* udalost) {
    // Escape would close the window and throw the typed table away; it only leaves a cell.
    if (udalost->key() == Qt::Key_Escape) {
        udalost->accept();
        return;
    }
    QDialog::keyPressEvent(udalost);
}

void TFormZapisTabulky::StringGridKeyUp(int klavesa, unsigned modifikatory) {
    switch (::StringGridKeyUp(klavesa, modifikatory)) {
    case TAkceKlavesy::akPridejRadek:
        A_PridejExecute();
        break;
    case TAkceKlavesy::akVymazRadek:
        A_VymazExecute();
        break;
    case TAkceKlavesy::akZadna:
        break;
    }
    PoZmeneTabulky();
}

void TFormZapisTabulky::A_PridejExecute() {
    tabulka_->PridejRadek();
    StringGrid->ZobrazPridanyRadek();
}

void TFormZapisTabulky::A_VymazExecute() {
    if (MuzeVymazat() && tabulka_->VymazVybranyRadek())
        StringGrid->ZobrazTabulku();
    PoZmeneTabulky();
}

bool TFormZapisTabulky::MuzeVymazat() {
    // Ctrl+Delete is one slip away from Delete in a cell, and a deleted row has no undo: a
    // row that holds anything goes only when the user says so.
    const int radek = tabulka_->VybranyRadek();
    if (radek < 1 || radek > tabulka_->PocetRadku() || tabulka_->JePrazdnyRadek(radek))
        return true;
    std::string obsah;
    for (const std::string& bunka : tabulka_->Radek(radek))
        if (!bunka.empty())
            obsah += (obsah.empty() ? "" : ", ") + bunka;
    return zpravy_.OtazkaAnoNe(TitulekZpravy(TDruhZpravy::dzVarovani),
                               Cz("Vymazat řádek ") + std::to_string(radek) + Cz(" tabulky (") +
                                   obsah + ")?");
}

std::filesystem::path TFormZapisTabulky::VolbaSouboru(bool ulozit) {
    return ZvolenySoubor(this, ulozit ? TDruhDialogu::dgUlozeni : TDruhDialogu::dgOtevreni,
                         ulozit ? "SD_UlozDoSouboru" : "OD_OtevriSoubor", texty_.Pripona,
                         texty_.Filtry);
}

void TFormZapisTabulky::A_OtevriSouborExecute() {
    const std::filesystem::path soubor =
        MuzeOdejit(false) ? VolbaSouboru(false) : std::filesystem::path();
    if (!soubor.empty()) {
        // A file that cannot be read leaves the table reset; the reader says so.
        NactiSoubor(soubor);
        UkazOddelovac(tabulka_->Oddelovac());
        ulozeno_ = ObsahSouboru();
        StringGrid->ZobrazTabulku();
    }
    PoZmeneTabulky();
}

void TFormZapisTabulky::A_UlozDoSouboruExecute() {
    Uloz();
}

bool TFormZapisTabulky::Uloz() {
    const std::filesystem::path soubor = VolbaSouboru(true);
    // A failure keeps the old file and says why.
    if (soubor.empty() || !UlozSoubor(soubor))
        return false;
    ulozeno_ = ObsahSouboru();
    UkazOddelovac(0);
    return true;
}

void TFormZapisTabulky::PrevezmiUdalosti() {
    if (!prevzeti_)
        prevzeti_.emplace(driver_);
    driver_.OnKomunikaceOK = [this](TComDriver& sender, TMnozinaPrikazu typ, bool,
                                    const std::string&) {
        KonecZapisu(sender, typ);
    };
    driver_.OnKomunikaceErr = [this](TComDriver& sender, TMnozinaPrikazu, bool,
                                     const std::string&) {
        ChybaZapisu(sender);
    };
    driver_.OnPrubehZapisu = [this](TComDriver&, int potvrzeno, int celkem) {
        Prubeh(potvrzeno, celkem);
    };
    // The driver has shown why the port did not open; the send never started.
    driver_.OnChybaOtevreni = [this](TComDriver&) {
        ZrusPrubeh();
        KonecPrubehu();
    };
}

void TFormZapisTabulky::VratUdalosti() {
    prevzeti_.reset();
}

void TFormZapisTabulky::A_ZapisDatExecute() {
    PrevezmiUdalosti();
    const std::optional<std::string> text = PripravZapis();
    if (!text)
        return;
    const std::size_t nejvic = NejdelsiRadekZapisu(driver_);
    if (const auto dlouhy = NajdiDlouhyRadek(*text, nejvic)) {
        zpravy_.Zprava(TDruhZpravy::dzChyba,
                       TextDlouhyRadek(Cz("Řádek ") +
                                           std::to_string(RadekZaznamu(*tabulka_, dlouhy->Cislo)) +
                                           Cz(" tabulky"),
                                       dlouhy->Delka, nejvic));
        return;
    }
    A_ZapisDat->setEnabled(false);
    ZrusPrubeh(); // the count of an earlier send is not this one's
    zpravy_.Zprava(TDruhZpravy::dzInformace, TextRezimPrijmu());
    driver_.AddCommand(PrikazZapis, *text);
}

void TFormZapisTabulky::Prubeh(int potvrzeno, int celkem) {
    L_Prubeh->setText(QString("%1 / %2").arg(potvrzeno).arg(celkem));
    L_PopisPrubehu->show();
}

void TFormZapisTabulky::ZrusPrubeh() {
    L_Prubeh->clear();
    L_PopisPrubehu->hide();
}

void TFormZapisTabulky::KonecPrubehu() {
    A_ZapisDat->setEnabled(true);
}

void TFormZapisTabulky::KonecZapisu(TComDriver&, TMnozinaPrikazu typPrikazu) {
    if (typPrikazu != PrikazZapis)
        return;
    KonecPrubehu();
    zpravy_.Zprava(TDruhZpravy::dzInformace, TextZapisUspesny());
}

void TFormZapisTabulky::ChybaZapisu(TComDriver& sender) {
    sender.ClearCommands();
    // A count left standing would read as lines the station kept; after a failure it has
    // nothing the user can rely on.
    ZrusPrubeh();
    if (!sender.ChybaOhlasena()) // a lost line the driver has told already
        zpravy_.Zprava(TDruhZpravy::dzChyba, sender.SeZaznamem(TextChybaKomunikace()));
    KonecPrubehu();
}
