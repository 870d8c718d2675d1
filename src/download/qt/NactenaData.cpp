#include "download/qt/NactenaData.h"

#include "download/KonecNacteni.h"
#include "download/NactenaDataSoubor.h"
#include "link/Komunikace.h"
#include "ui/DialogSouboru.h"
#include "ui/Texty.h"
#include "ui/ZpravyOken.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QFont Tucne(QFont pismo) {
    pismo.setBold(true);
    return pismo;
}

QPushButton* Tlacitko(QWidget* rodic, const char* jmeno, const char* titulek,
                      const char* napoveda) {
    auto* tlacitko = new QPushButton(titulek, rodic);
    tlacitko->setObjectName(jmeno);
    tlacitko->setToolTip(napoveda);
    tlacitko->setMinimumWidth(90);
    return tlacitko;
}
} // namespace

TFormNactenaData::TFormNactenaData(QWidget* rodic, TComDriver& driver, TKonverze konverze,
                                   TNahled nahled)
    : QDialog(rodic), driver_(driver), konverze_(std::move(konverze)), nahled_(std::move(nahled)) {
    setObjectName("FormNactenaData");
    setWindowTitle("Načtená data");
    resize(750, 500);

    auto* popis = new QLabel("Načtená data :", this);
    popis->setObjectName("L_NactenaData");
    popis->setFont(Tucne(popis->font()));

    M_NactenaData = new QPlainTextEdit(this);
    M_NactenaData->setObjectName("M_NactenaData");
    M_NactenaData->setReadOnly(true);
    M_NactenaData->setLineWrapMode(QPlainTextEdit::NoWrap);
    M_NactenaData->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    M_NactenaData->setFont(Tucne(M_NactenaData->font()));
    // The selection stays visible when the box loses the focus.
    QPalette paleta = M_NactenaData->palette();
    paleta.setColor(QPalette::Inactive, QPalette::Highlight,
                    paleta.color(QPalette::Active, QPalette::Highlight));
    paleta.setColor(QPalette::Inactive, QPalette::HighlightedText,
                    paleta.color(QPalette::Active, QPalette::HighlightedText));
    M_NactenaData->setPalette(paleta);

    Tl_Uloz = Tlacitko(this, "Tl_Uloz", "&Ulož", " Uložení načtených dat do souboru");
    Tl_Uloz->setDefault(true);
    Tl_Konverze =
        Tlacitko(this, "Tl_Konverze", "&Konverze", " Konverze načtených dat do formátu MAPA2 ");
    Tl_Nahled = Tlacitko(this, "Tl_Nahled", "Ná&hled",
                         " Vypočtené souřadnice, plán a orientace načteného měření ");
    Tl_Nahled->setEnabled(false);
    Tl_Zavrit = Tlacitko(this, "Tl_Zavrit", "&Zavřít", " Zavření okna ");
    connect(Tl_Uloz, &QPushButton::clicked, this, &TFormNactenaData::Tl_UlozClick);
    connect(Tl_Konverze, &QPushButton::clicked, this, &TFormNactenaData::Tl_KonverzeClick);
    connect(Tl_Nahled, &QPushButton::clicked, this, &TFormNactenaData::Tl_NahledClick);
    connect(Tl_Zavrit, &QPushButton::clicked, this, &QDialog::reject);

    auto* rozvrzeni = new QVBoxLayout(this);
    rozvrzeni->addWidget(popis);
    rozvrzeni->addWidget(M_NactenaData);
    auto* dole = new QHBoxLayout;
    dole->addStretch();
    dole->addWidget(Tl_Uloz);
    dole->addWidget(Tl_Konverze);
    dole->addWidget(Tl_Nahled);
    dole->addWidget(Tl_Zavrit);
    dole->addStretch();
    rozvrzeni->addLayout(dole);
}

void TFormNactenaData::NastavData(const std::string& prijato) {
    data_ = prijato;
    typDat_ = TypNactenychDat(driver_.StationType, prijato);
    M_NactenaData->clear();
    M_NactenaData->setPlainText(ZCp1250(RadkyNactenychDat(prijato)));
    // An NTS-350's data hold nothing the view can compute.
    Tl_Nahled->setEnabled(nahled_ && typDat_ == TTypStanice::tsNTS660);
}

void TFormNactenaData::Tl_UlozClick() {
    const std::filesystem::path cesta =
        ZvolenySoubor(this, TDruhDialogu::dgUlozeni, "SD_NactenaData", "sdt", FiltryMereni());
    if (cesta.empty())
        return;
    TZpravyOken zpravy(this);
    // A file that could not be written is not "saved": Konverze asks again rather than
    // converting a stale or missing file.
    if (UlozNactenaData(cesta, data_, zpravy))
        ulozenySoubor_ = cesta;
}

void TFormNactenaData::Tl_KonverzeClick() {
    // Asked first: an NTS-350's data would give an empty output, and the window stays open so
    // that they can still be saved.
    if (typDat_ != TTypStanice::tsNTS660) {
        TZpravyOken(this).Zprava(TDruhZpravy::dzInformace, TextNelzePrevest(typDat_));
        return;
    }
    if (ulozenySoubor_.empty())
        Tl_UlozClick();
    // A cancelled or failed save converts nothing, and the data stay in the open window.
    if (ulozenySoubor_.empty())
        return;
    const auto vystup = konverze_(this, ulozenySoubor_, typDat_);
    vystupKonverze_ = vystup.value_or(std::filesystem::path());
    done(vystup ? VysledekAno : VysledekNe);
}

void TFormNactenaData::Tl_NahledClick() {
    // The data as shown, saved or not: the view only reads them.
    if (nahled_ && typDat_ == TTypStanice::tsNTS660)
        nahled_(this, data_, typDat_);
}

bool TFormNactenaData::MuzeZavrit() {
    if (!ulozenySoubor_.empty())
        return true;
    const TZpravaOkna otazka = OtazkaNeulozeno(
        QString::fromUtf8("Načtená data nejsou uložena v souboru. Uložit je před zavřením okna?"));
    switch (UkazZpravu(this, otazka)) {
    case QMessageBox::Save:
        Tl_UlozClick();
        return !ulozenySoubor_.empty();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void TFormNactenaData::reject() {
    if (MuzeZavrit())
        QDialog::reject();
}
