#include "upload/qt/ZapisKodu.h"

#include "ui/Texty.h"
#include "upload/SouborKodu.h"
#include "upload/StromKodu.h"
#include "upload/ZaznamKodu.h"
#include "upload/qt/ObrazkyZapisu.h"
#include "upload/qt/PoradiLokality.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScreen>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

TTextyOknaZapisu TextyKodu() {
    return {"Zápis kódů",
            "A_PridejKod",
            "&Přidej kód",
            "Přídání dalšího kódu",
            "A_VymazKod",
            "&Vymaž kód",
            "Vymazání vybraného kódu",
            "Otevření souboru s kódy",
            {QString::fromUtf8("Soubor kódů (*.cod)"), QString::fromUtf8("Všechny soubory (*.*)")},
            "cod",
            {138, 146}};
}

} // namespace

TFormZapisKodu::TFormZapisKodu(QWidget* rodic, TComDriver& driver)
    : TFormZapisTabulky(rodic, driver, std::make_unique<TTabulkaKodu>(), TextyKodu()) {
    setObjectName("FormZapisKodu");
    StringGrid->setFixedSize(317, 378);

    TreeView = new QTreeWidget(this);
    TreeView->setObjectName("TreeView");
    TreeView->setFixedSize(273, 377);
    TreeView->setHeaderHidden(true);
    TreeView->setColumnCount(1);
    TreeView->setIndentation(19);
    TreeView->setRootIsDecorated(false); // no expand buttons: every item stays expanded
    TreeView->setItemsExpandable(false);
    TreeView->setExpandsOnDoubleClick(false);
    TreeView->setUniformRowHeights(true); // a rebuild of thousands of items stays cheap
    TreeView->setSelectionMode(QAbstractItemView::SingleSelection);
    TreeView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QFont tucne = TreeView->font();
    tucne.setBold(true);
    TreeView->setFont(tucne);
    // The selection stays visible when the tree loses the focus.
    QPalette paleta = TreeView->palette();
    paleta.setColor(QPalette::Inactive, QPalette::Highlight,
                    paleta.color(QPalette::Active, QPalette::Highlight));
    paleta.setColor(QPalette::Inactive, QPalette::HighlightedText,
                    paleta.color(QPalette::Active, QPalette::HighlightedText));
    TreeView->setPalette(paleta);

    auto* stred = new QHBoxLayout;
    stred->setSpacing(16);
    stred->addWidget(StringGrid, 0, Qt::AlignTop);
    stred->addWidget(TreeView, 0, Qt::AlignTop);
    stred->addStretch(1);
    Rozvrzeni()->setContentsMargins(16, 4, 16, 10);
    Rozvrzeni()->addLayout(stred);
    Rozvrzeni()->addStretch(1);
    setFixedSize(638, 453);

    // A fixed place on the screen, not centred over the main window.
    if (const QScreen* obrazovka = QGuiApplication::primaryScreen())
        move(obrazovka->availableGeometry().topLeft() + QPoint(190, 110));
}

void TFormZapisKodu::ObnovStrom() {
    static const QIcon adresar = IkonaZapisu("adresar");
    static const QIcon kod = IkonaZapisu("kod");

    const std::vector<TPolozkaStromu> polozky = ObnovStromPodlePoradi(Kody(), PoradiPodleLokality);
    TreeView->setUpdatesEnabled(false);
    TreeView->clear();
    // The flat list is in display order: a parent stands above its children, one level up.
    std::vector<QTreeWidgetItem*> rodice;
    QList<QTreeWidgetItem*> koreny;
    for (const TPolozkaStromu& p : polozky) {
        rodice.resize(std::size_t(p.Uroven));
        auto* polozka = p.Uroven == 0 ? new QTreeWidgetItem : new QTreeWidgetItem(rodice.back());
        polozka->setText(0, ZCp1250(p.Text));
        polozka->setIcon(0, p.Obrazek == kObrazekAdresare ? adresar : kod);
        polozka->setData(0, Qt::UserRole, p.Obrazek);
        if (p.Uroven == 0)
            koreny.append(polozka);
        rodice.push_back(polozka);
    }
    TreeView->addTopLevelItems(koreny);
    TreeView->expandAll();
    TreeView->setUpdatesEnabled(true);
}

bool TFormZapisKodu::NactiSoubor(const std::filesystem::path& soubor) {
    TreeView->clear();
    return OhlasChybu(NactiSouborTabulky(soubor, Kody(), NactiKody), Zpravy());
}

bool TFormZapisKodu::UlozSoubor(const std::filesystem::path& soubor) {
    return OhlasChybu(ZapisObsahSouboru(soubor, TextSouboruKodu(Kody())), Zpravy());
}

std::optional<std::string> TFormZapisKodu::PripravZapis() {
    return PripravZapisKodu(Kody(), Zpravy());
}
