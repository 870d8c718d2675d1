// One function per window. To add a window: write its function below (build the window,
// put it in the state worth showing, call s.Uloz) and add a line to kSnimkyOken.
#include "Snimky.h"

#include "app/OProgramu.h"
#include "app/Zaklad.h"
#include "common/Slozky.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include <iterator>

namespace {

void SnimekZakladu(TSnimkovac& s) {
    TFormZaklad okno;
    s.Uloz(&okno, "zaklad");
}

// The main window with "Komunikace" open and the hint of its first item in the status bar,
// as when the pointer rests on it.
void SnimekZakladuSNabidkou(TSnimkovac& s) {
    TFormZaklad okno;
    okno.show();
    auto* nabidka = okno.findChild<QMenu*>("M_Komunikace");
    auto* prvni = nabidka->actions().value(0);
    okno.menuBar()->setActiveAction(nabidka->menuAction());
    nabidka->setActiveAction(prvni);
    okno.statusBar()->showMessage(prvni->statusTip());
    QApplication::processEvents();
    s.Uloz(&okno, "zaklad-komunikace", nabidka);
    nabidka->hide();
}

void SnimekOProgramu(TSnimkovac& s) {
    TFormZaklad zaklad;
    zaklad.show();
    TFormOProgramu box(&zaklad, platforma::CestaProgramu());
    s.Uloz(&box, "o-programu");
}

} // namespace

const TSnimekOkna kSnimkyOken[] = {
    {"zaklad", SnimekZakladu},
    {"zaklad-komunikace", SnimekZakladuSNabidkou},
    {"o-programu", SnimekOProgramu},
};
const int kPocetSnimkuOken = int(std::size(kSnimkyOken));
