#include "app/ZakladAkce.h"

#include "app/Obrazky.h"
#include "ui/NastrojovaLista.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QWidget>

namespace {

QAction* Akce(QWidget* okno, const char* jmeno, const char* titulek, const char* napoveda,
              const char* obrazek) {
    auto* akce = new QAction(IkonaObrazku(obrazek), QString::fromUtf8(titulek), okno);
    akce->setObjectName(jmeno);
    akce->setStatusTip(QString::fromUtf8(napoveda));
    akce->setToolTip(QString::fromUtf8(napoveda));
    okno->addAction(akce);
    return akce;
}

// A menu bar shows only the picture of an action that has one, so the commands that stand
// directly in the bar get a picture-less item that follows and triggers their action.
void PridejPolozku(QMenuBar* lista, QAction* akce) {
    auto* polozka = new QAction(lista);
    polozka->setObjectName("M_" + akce->objectName().mid(2));
    auto prevezmi = [polozka, akce] {
        polozka->setText(akce->text());
        polozka->setStatusTip(akce->statusTip());
        polozka->setToolTip(akce->toolTip());
        polozka->setEnabled(akce->isEnabled());
        polozka->setVisible(akce->isVisible());
    };
    prevezmi();
    QObject::connect(akce, &QAction::changed, polozka, prevezmi);
    QObject::connect(polozka, &QAction::triggered, akce, &QAction::trigger);
    lista->addAction(polozka);
}

} // namespace

TAkceZakladu VytvorAkceZakladu(QWidget* okno) {
    TAkceZakladu a;
    a.A_NacteniDat = Akce(okno, "A_NacteniDat", "&Načtení dat ...",
                          " Načtení dat z totální stanice", "nacteni-dat");
    a.A_ZapisSouradnicBodu =
        Akce(okno, "A_ZapisSouradnicBodu", "&Zápis souřadnic bodů ... ",
             " Zápis souřadnic bodů do totální stanice", "zapis-souradnic-bodu");
    a.A_ZapisKodu = Akce(okno, "A_ZapisKodu", "Zápis &kódů ... ", " Zápis kódů do totální stanice",
                         "zapis-kodu");
    a.A_Konverze = Akce(okno, "A_Konverze", "Konverze &souboru ...",
                        " Konverze souboru do formátu MAPA2", "konverze");
    a.A_NahledMereni = Akce(okno, "A_NahledMereni", "Náhled &měření ...",
                            " Vypočtené souřadnice, plán a orientace měření", "nahled-mereni");
    a.A_ParametryKomunikace =
        Akce(okno, "A_ParametryKomunikace", "Parametry &komunikace s totální stanicí...",
             " Nastavení parametrů komunikace s totální stanicí", "parametry-komunikace");
    a.A_ParametryProFormatMapa2 =
        Akce(okno, "A_ParametryProFormatMapa2", "&Parametry pro export do formátu MAPA2 ...",
             " Parametry pro export do formátu MAPA2", "parametry-mapa2");
    a.A_OProgramu =
        Akce(okno, "A_OProgramu", "&O programu...", " Informace o programu", "o-programu");
    a.A_Konec = Akce(okno, "A_Konec", "&Konec", " Ukončení programu", "konec");
    a.A_Konec->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));
    return a;
}

void PostavMenuZakladu(QMenuBar* lista, const TAkceZakladu& akce) {
    // Alt+U: the O of "Komunikace" would share its key with "&O programu..." and its M with
    // "Náhled &měření ...", and a key that two items share only moves between them instead of
    // opening either.
    QMenu* komunikace = lista->addMenu(QString::fromUtf8("Kom&unikace"));
    komunikace->setObjectName("M_Komunikace");
    komunikace->addAction(akce.A_NacteniDat);
    komunikace->addAction(akce.A_ZapisSouradnicBodu);
    komunikace->addAction(akce.A_ZapisKodu);
    PridejPolozku(lista, akce.A_Konverze);
    PridejPolozku(lista, akce.A_NahledMereni);
    QMenu* nastaveni = lista->addMenu(QString::fromUtf8("&Nastavení"));
    nastaveni->setObjectName("M_Nastaveni");
    nastaveni->addAction(akce.A_ParametryKomunikace);
    nastaveni->addAction(akce.A_ParametryProFormatMapa2);
    PridejPolozku(lista, akce.A_Konec);
    PridejPolozku(lista, akce.A_OProgramu);
}

void PostavNastrojovouListu(QToolBar* lista, const TAkceZakladu& akce) {
    lista->setObjectName("ToolBar");
    lista->setMovable(false);
    lista->setFloatable(false);
    lista->setFixedHeight(34);
    lista->setIconSize(QSize(24, 24));
    PridejTlacitko(lista, akce.A_NacteniDat);
    lista->addSeparator();
    PridejTlacitko(lista, akce.A_ZapisSouradnicBodu);
    PridejTlacitko(lista, akce.A_ZapisKodu);
    lista->addSeparator();
    PridejTlacitko(lista, akce.A_Konverze);
    PridejTlacitko(lista, akce.A_NahledMereni);
    lista->addSeparator();
    PridejTlacitko(lista, akce.A_ParametryProFormatMapa2);
    PridejTlacitko(lista, akce.A_ParametryKomunikace);
    lista->addSeparator();
    PridejTlacitko(lista, akce.A_Konec);
}
