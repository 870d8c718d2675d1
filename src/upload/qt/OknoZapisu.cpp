#include "upload/qt/OknoZapisu.h"

#include "ui/DialogSouboru.h"
#include "ui/NastrojovaLista.h"
#include "upload/TextyZapisu.h"
#include "upload/qt/ObrazkyZapisu.h"

#include <QAction>
#include <QFileDialog>
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

std::filesystem::path CestaZQString(const QString& soubor) {
    return std::filesystem::path(soubor.toStdU16String());
}

QString VolbaDialogem(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

TVolbaSouboruZapisu& Volba() {
    static TVolbaSouboruZapisu volba = VolbaDialogem;
    return volba;
}

} // namespace

TVolbaSouboruZapisu NastavVolbuSouboruZapisu(TVolbaSouboruZapisu volba) {
    TVolbaSouboruZapisu predchozi = std::move(Volba());
    Volba() = volba ? std::move(volba) : TVolbaSouboruZapisu(VolbaDialogem);
    return predchozi;
}

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

    auto* horni = new QHBoxLayout;
    horni->setContentsMargins(0, 0, 0, 0);
    horni->addWidget(lista_);
    horni->addStretch(1);
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
}

QString TFormZapisTabulky::TextPrubehu() const {
    return L_Prubeh->text();
}

void TFormZapisTabulky::done(int vysledek) {
    VratUdalosti();
    QDialog::done(vysledek);
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
    if (tabulka_->VymazVybranyRadek())
        StringGrid->ZobrazTabulku();
    PoZmeneTabulky();
}

QString TFormZapisTabulky::VolbaSouboru(bool ulozit) {
    QFileDialog dialog(this);
    PripravDialogSouboru(dialog, ulozit ? TDruhDialogu::Ulozeni : TDruhDialogu::Otevreni,
                         ulozit ? "SD_UlozDoSouboru" : "OD_OtevriSoubor", texty_.Pripona,
                         texty_.Filtry);
    return Volba()(dialog);
}

void TFormZapisTabulky::A_OtevriSouborExecute() {
    const QString soubor = VolbaSouboru(false);
    if (!soubor.isEmpty()) {
        // A file that cannot be read leaves the table reset; the reader says so.
        NactiSoubor(CestaZQString(soubor));
        StringGrid->ZobrazTabulku();
    }
    PoZmeneTabulky();
}

void TFormZapisTabulky::A_UlozDoSouboruExecute() {
    const QString soubor = VolbaSouboru(true);
    if (!soubor.isEmpty())
        UlozSoubor(CestaZQString(soubor)); // a failure keeps the old file and says why
}

void TFormZapisTabulky::PrevezmiUdalosti() {
    if (!ulozene_)
        ulozene_ = TUlozeneUdalosti{driver_.OnKomunikaceOK, driver_.OnKomunikaceErr,
                                    driver_.OnPrubehZapisu, driver_.OnChybaOtevreni};
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
    if (!ulozene_)
        return;
    driver_.OnKomunikaceOK = std::move(ulozene_->OK);
    driver_.OnKomunikaceErr = std::move(ulozene_->Err);
    driver_.OnPrubehZapisu = std::move(ulozene_->Prubeh);
    driver_.OnChybaOtevreni = std::move(ulozene_->ChybaOtevreni);
    ulozene_.reset();
}

void TFormZapisTabulky::A_ZapisDatExecute() {
    PrevezmiUdalosti();
    const std::optional<std::string> text = PripravZapis();
    if (!text)
        return;
    A_ZapisDat->setEnabled(false);
    ZrusPrubeh(); // the count of an earlier send is not this one's
    zpravy_.Zprava(TDruhZpravy::Informace, TextRezimPrijmu());
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
    zpravy_.Zprava(TDruhZpravy::Informace, TextZapisUspesny());
}

void TFormZapisTabulky::ChybaZapisu(TComDriver& sender) {
    sender.ClearCommands();
    // A count left standing would read as lines the station kept; after a failure it has
    // nothing the user can rely on.
    ZrusPrubeh();
    zpravy_.Zprava(TDruhZpravy::Chyba, TextChybaKomunikace());
    KonecPrubehu();
}
