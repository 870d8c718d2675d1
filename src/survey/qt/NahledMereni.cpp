#include "survey/qt/NahledMereni.h"

#include "common/ObsahSouboru.h"
#include "conversion/KontrolaParametru.h"
#include "survey/qt/PlanMereni.h"
#include "survey/qt/ProtokolPdf.h"
#include "ui/DialogSouboru.h"
#include "ui/Texty.h"
#include "ui/ZpravyOken.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <charconv>

namespace {

QPushButton* Tlacitko(QWidget* rodic, const char* jmeno, const char* titulek,
                      const char* napoveda) {
    auto* tlacitko = new QPushButton(QString::fromUtf8(titulek), rodic);
    tlacitko->setObjectName(jmeno);
    tlacitko->setToolTip(QString::fromUtf8(napoveda));
    tlacitko->setAutoDefault(false);
    return tlacitko;
}

QTreeWidget* Tabulka(QWidget* rodic, const char* jmeno, const QStringList& sloupce) {
    auto* tabulka = new QTreeWidget(rodic);
    tabulka->setObjectName(jmeno);
    tabulka->setHeaderLabels(sloupce);
    tabulka->setUniformRowHeights(true);
    tabulka->setAlternatingRowColors(true);
    tabulka->setSelectionMode(QAbstractItemView::SingleSelection);
    tabulka->header()->setStretchLastSection(true);
    tabulka->header()->setDefaultAlignment(Qt::AlignCenter);
    return tabulka;
}

// Numbers right-aligned, the first two columns (number, code) and the last (marks) not.
void Zarovnej(QTreeWidgetItem* polozka, int vlevo, int sloupcu) {
    for (int i = vlevo; i < sloupcu - 1; ++i)
        polozka->setTextAlignment(i, Qt::AlignRight | Qt::AlignVCenter);
}

// The coordinate list as the PDF writes it (Číslo, Kód, Y, X, Z, Poznámka): each station with
// the points it determined first below it.
TTabulkaPdf TabulkaSouradnic(const std::vector<TRadekNahledu>& mereni) {
    TTabulkaPdf t;
    t.Nadpis = QString::fromUtf8("Souřadnice");
    const QStringList sloupce = SloupceMereni();
    t.Sloupce = {sloupce[0], sloupce[1], sloupce[7], sloupce[8], sloupce[9], sloupce[10]};
    t.Vlevo = 2;
    t.PosledniText = true;
    auto radek = [&](const TRadekNahledu& r, const QString& odsazeni) {
        const QStringList& b = r.Bunky;
        if (!r.Souradnice || b.size() < 11)
            return;
        t.Radky.push_back({odsazeni + b[0], b[1], b[7], b[8], b[9], b[10]});
    };
    for (const TRadekNahledu& s : mereni) {
        radek(s, QString());
        for (const TRadekNahledu& d : s.Deti)
            radek(d, "   ");
    }
    return t;
}

TTabulkaPdf TabulkaOrientaci(const std::vector<TRadekNahledu>& orientace) {
    TTabulkaPdf t;
    t.Nadpis = QString::fromUtf8("Orientace stanic");
    t.Sloupce = SloupceOrientace();
    for (const TRadekNahledu& s : orientace) {
        t.Radky.push_back(s.Bunky);
        for (const TRadekNahledu& d : s.Deti) {
            QStringList b = d.Bunky;
            if (!b.isEmpty())
                b[0] = "   " + b[0];
            t.Radky.push_back(b);
        }
    }
    return t;
}

} // namespace

TFormNahledMereni::TFormNahledMereni(QWidget* rodic, TVypocet vypocet, TExport exportovat)
    : QDialog(rodic), vypocet_(std::move(vypocet)), exportovat_(std::move(exportovat)),
      oddelovac_(QLocale().decimalPoint().size() == 1 ? QLocale().decimalPoint()[0].toLatin1()
                                                      : '.') {
    setObjectName("FormNahledMereni");
    setWindowTitle(QString::fromUtf8("Náhled měření"));
    setSizeGripEnabled(true);
    resize(1120, 720);

    L_Soubor = new QLabel(this);
    L_Soubor->setObjectName("L_Soubor");
    QFont tucne = L_Soubor->font();
    tucne.setBold(true);
    L_Soubor->setFont(tucne);

    TV_Mereni = Tabulka(this, "TV_Mereni", SloupceMereni());
    TV_Orientace = Tabulka(this, "TV_Orientace", SloupceOrientace());
    TV_Orientace->header()->setStretchLastSection(false); // its last column is a number too
    M_Upozorneni = new QPlainTextEdit(this);
    M_Upozorneni->setObjectName("M_Upozorneni");
    M_Upozorneni->setReadOnly(true);
    M_Upozorneni->setLineWrapMode(QPlainTextEdit::NoWrap);
    PB_Plan = new TPlanMereni(this);

    auto* zalozky = new QTabWidget(this);
    zalozky->setObjectName("PageControl");
    zalozky->addTab(TV_Orientace, QString::fromUtf8("Orientace"));
    zalozky->addTab(M_Upozorneni, QString::fromUtf8("Upozornění"));

    auto* vlevo = new QSplitter(Qt::Vertical, this);
    vlevo->addWidget(TV_Mereni);
    vlevo->addWidget(zalozky);
    vlevo->setStretchFactor(0, 3);
    vlevo->setStretchFactor(1, 1);
    auto* stred = new QSplitter(Qt::Horizontal, this);
    stred->addWidget(vlevo);
    stred->addWidget(PB_Plan);
    stred->setStretchFactor(0, 3);
    stred->setStretchFactor(1, 2);

    E_Faktor = new QLineEdit(this);
    E_Faktor->setObjectName("E_Faktor");
    E_Faktor->setMaximumWidth(110);
    E_Faktor->setToolTip(
        QString::fromUtf8(" Měřítkový faktor výpočtu; prázdné pole: faktor z průměrných hodnot "));
    auto* popisFaktoru = new QLabel(QString::fromUtf8("Měřítkový &faktor:"), this);
    popisFaktoru->setObjectName("L_Faktor");
    popisFaktoru->setBuddy(E_Faktor);
    CB_ZakriveniARefrakce = new QCheckBox(QString::fromUtf8("Zakřivení a &refrakce"), this);
    CB_ZakriveniARefrakce->setObjectName("CB_ZakriveniARefrakce");
    CB_ZakriveniARefrakce->setChecked(volby_.ZakriveniARefrakce);
    CB_ZakriveniARefrakce->setToolTip(
        QString::fromUtf8(" Oprava převýšení ze zakřivení Země a refrakce (k = 0,13) "));
    Tl_ZnameBody = Tlacitko(this, "Tl_ZnameBody", "Známé &body…",
                            " Přidání souboru známých bodů (*.asc, *.sdt) a nový výpočet ");
    L_ZnameBody = new QLabel(this);
    L_ZnameBody->setObjectName("L_ZnameBody");
    Tl_CelyPlan = Tlacitko(this, "Tl_CelyPlan", "&Celý plán", " Celý plán v okně ");
    Tl_UlozProtokol =
        Tlacitko(this, "Tl_UlozProtokol", "Uložit &protokol", " Uložení protokolu do souboru PDF ");
    Tl_Export = Tlacitko(this, "Tl_Export", "&Exportovat…",
                         " Export vypočtených bodů do CSV, DXF, GeoJSON nebo KML ");
    Tl_Zavri = Tlacitko(this, "Tl_Zavri", "&Zavřít", " Zavření okna ");

    connect(E_Faktor, &QLineEdit::editingFinished, this,
            &TFormNahledMereni::E_FaktorEditingFinished);
    connect(CB_ZakriveniARefrakce, &QCheckBox::toggled, this, [this](bool zapnuto) {
        volby_.ZakriveniARefrakce = zapnuto;
        Prepocitej();
    });
    connect(Tl_ZnameBody, &QPushButton::clicked, this, &TFormNahledMereni::Tl_ZnameBodyClick);
    connect(Tl_CelyPlan, &QPushButton::clicked, PB_Plan, &TPlanMereni::CelyPlan);
    connect(Tl_UlozProtokol, &QPushButton::clicked, this, &TFormNahledMereni::Tl_UlozProtokolClick);
    connect(Tl_Export, &QPushButton::clicked, this, &TFormNahledMereni::Tl_ExportClick);
    connect(Tl_Zavri, &QPushButton::clicked, this, &QDialog::reject);
    connect(TV_Mereni, &QTreeWidget::itemSelectionChanged, this, &TFormNahledMereni::RadekVybran);
    connect(PB_Plan, &TPlanMereni::BodVybran, this, &TFormNahledMereni::BodVybran);

    auto* dole = new QHBoxLayout;
    dole->addWidget(popisFaktoru);
    dole->addWidget(E_Faktor);
    dole->addSpacing(12);
    dole->addWidget(CB_ZakriveniARefrakce);
    dole->addSpacing(12);
    dole->addWidget(Tl_ZnameBody);
    dole->addWidget(L_ZnameBody, 1);
    dole->addWidget(Tl_CelyPlan);
    dole->addWidget(Tl_UlozProtokol);
    dole->addWidget(Tl_Export);
    dole->addWidget(Tl_Zavri);
    auto* rozvrzeni = new QVBoxLayout(this);
    rozvrzeni->addWidget(L_Soubor);
    rozvrzeni->addWidget(stred, 1);
    rozvrzeni->addLayout(dole);

    Prepocitej();
}

void TFormNahledMereni::Prepocitej() {
    model_ = vypocet_(volby_);
    Napln();
}

void TFormNahledMereni::Napln() {
    vyplnuje_ = true;
    L_Soubor->setText(model_.Nadpis);
    E_Faktor->setText(model_.Faktor);
    CB_ZakriveniARefrakce->setChecked(volby_.ZakriveniARefrakce);
    QStringList zname;
    for (const auto& soubor : volby_.ZnameBody)
        zname << QFileInfo(QString::fromStdU16String(soubor.u16string())).fileName();
    L_ZnameBody->setText(zname.join(", "));

    radekBodu_.assign(model_.Plan.Body.size(), nullptr);
    const int sloupcuMereni = int(SloupceMereni().size());
    auto polozka = [&](const TRadekNahledu& r, int sloupcu) {
        auto* p = new QTreeWidgetItem(r.Bunky);
        Zarovnej(p, 2, sloupcu);
        p->setData(0, Qt::UserRole, r.BodPlanu);
        if (r.BodPlanu >= 0 && std::size_t(r.BodPlanu) < radekBodu_.size() &&
            !radekBodu_[std::size_t(r.BodPlanu)])
            radekBodu_[std::size_t(r.BodPlanu)] = p;
        return p;
    };
    TV_Mereni->clear();
    for (const TRadekNahledu& s : model_.Mereni) {
        QTreeWidgetItem* stanice = polozka(s, sloupcuMereni);
        QFont tucne = stanice->font(0);
        tucne.setBold(true);
        stanice->setFont(0, tucne);
        for (const TRadekNahledu& d : s.Deti)
            stanice->addChild(polozka(d, sloupcuMereni));
        TV_Mereni->addTopLevelItem(stanice);
    }
    TV_Mereni->expandAll();
    for (int i = 0; i < sloupcuMereni - 1; ++i)
        TV_Mereni->resizeColumnToContents(i);

    TV_Orientace->clear();
    const int sloupcuOrientace = int(SloupceOrientace().size());
    for (const TRadekNahledu& s : model_.Orientace) {
        auto* stanice = new QTreeWidgetItem(s.Bunky);
        Zarovnej(stanice, 1, sloupcuOrientace + 1);
        for (const TRadekNahledu& d : s.Deti) {
            auto* p = new QTreeWidgetItem(d.Bunky);
            Zarovnej(p, 1, sloupcuOrientace + 1);
            stanice->addChild(p);
        }
        TV_Orientace->addTopLevelItem(stanice);
    }
    TV_Orientace->expandAll();
    for (int i = 0; i < sloupcuOrientace; ++i)
        TV_Orientace->resizeColumnToContents(i);

    M_Upozorneni->setPlainText(model_.Upozorneni.join('\n'));
    if (auto* zalozky = findChild<QTabWidget*>("PageControl"))
        zalozky->setTabText(
            1, model_.Upozorneni.isEmpty()
                   ? QString::fromUtf8("Upozornění")
                   : QString::fromUtf8("Upozornění (%1)").arg(model_.Upozorneni.size()));
    PB_Plan->NastavPlan(model_.Plan);
    Tl_UlozProtokol->setEnabled(model_.Vypocteno);
    Tl_Export->setEnabled(exportovat_ && model_.Vypocteno && !model_.Body.empty());
    vyplnuje_ = false;
}

void TFormNahledMereni::E_FaktorEditingFinished() {
    if (vyplnuje_ || E_Faktor->text() == model_.Faktor)
        return;
    // Either decimal mark is taken: a factor is often pasted from elsewhere.
    std::string text = DoCp1250(E_Faktor->text().trimmed());
    std::replace_if(
        text.begin(), text.end(), [](char z) { return z == '.' || z == ','; }, oddelovac_);
    if (text.empty()) {
        volby_.Faktor.reset(); // the one the mean values give
        Prepocitej();
        return;
    }
    std::string tecka = text;
    std::replace(tecka.begin(), tecka.end(), oddelovac_, '.');
    double faktor = 0;
    const auto [konec, chyba] = std::from_chars(tecka.data(), tecka.data() + tecka.size(), faktor,
                                                std::chars_format::fixed);
    // What is not a number, and a factor no site gives (it would move every point by
    // kilometres; the computation would not take it either), are refused.
    std::string proc;
    if (chyba != std::errc() || konec != tecka.data() + tecka.size())
        proc = DoCp1250(
            QString::fromUtf8("Měřítkový faktor „%1“ není číslo.").arg(E_Faktor->text().trimmed()));
    else if (!FaktorVRozsahu(faktor))
        proc = TextFaktorMimoRozsah(text, oddelovac_);
    if (!proc.empty()) {
        UkazZpravu(this, ZpravaDruhu(TDruhZpravy::dzChyba, ZCp1250(proc)));
        E_Faktor->setText(model_.Faktor);
        return;
    }
    volby_.Faktor = faktor;
    Prepocitej();
}

void TFormNahledMereni::Tl_ZnameBodyClick() {
    const std::filesystem::path soubor =
        ZvolenySoubor(this, TDruhDialogu::dgOtevreni, "OD_ZnameBody", "asc",
                      {QString::fromUtf8("Známé body (*.asc *.sdt)"),
                       QString::fromUtf8("Všechny soubory (*.*)")});
    if (soubor.empty())
        return;
    volby_.ZnameBody.push_back(soubor);
    Prepocitej();
}

void TFormNahledMereni::Tl_ExportClick() {
    exportovat_(model_.Body, this);
}

void TFormNahledMereni::Tl_UlozProtokolClick() {
    const std::filesystem::path soubor =
        ZvolenySoubor(this, TDruhDialogu::dgUlozeni, "SD_Protokol", "pdf",
                      {QString::fromUtf8("Protokol PDF (*.pdf)")});
    if (soubor.empty())
        return;
    TObsahPdf obsah;
    obsah.Titulek = QString::fromUtf8("Náhled měření: ") + model_.Nadpis;
    obsah.Plan = model_.Plan;
    obsah.Protokol = model_.Protokol;
    obsah.Tabulky.push_back(TabulkaOrientaci(model_.Orientace));
    obsah.Tabulky.push_back(TabulkaSouradnic(model_.Mereni));
    const QString jmeno = QString::fromStdU16String(soubor.u16string());
    if (!UlozProtokolPdf(jmeno, obsah))
        UkazZpravu(this, ZpravaDruhu(TDruhZpravy::dzChyba, ZCp1250(TextNelzeZapsat(soubor))));
}

void TFormNahledMereni::RadekVybran() {
    if (vyplnuje_)
        return;
    const QList<QTreeWidgetItem*> vybrane = TV_Mereni->selectedItems();
    const int bod = vybrane.isEmpty() ? -1 : vybrane.front()->data(0, Qt::UserRole).toInt();
    PB_Plan->VyberBod(bod);
}

void TFormNahledMereni::BodVybran(int bodPlanu) {
    vyplnuje_ = true;
    QTreeWidgetItem* radek = bodPlanu >= 0 && std::size_t(bodPlanu) < radekBodu_.size()
                                 ? radekBodu_[std::size_t(bodPlanu)]
                                 : nullptr;
    if (radek) {
        TV_Mereni->setCurrentItem(radek);
        TV_Mereni->scrollToItem(radek);
    } else {
        TV_Mereni->clearSelection();
    }
    vyplnuje_ = false;
}
