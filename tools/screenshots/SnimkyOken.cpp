// One function per window. To add a window: write its function below (build the window,
// put it in the state worth showing, call s.Uloz) and add a line to kSnimkyOken.
#include "Snimky.h"

#include "app/OProgramu.h"
#include "app/Zaklad.h"
#include "common/Slozky.h"
#include "conversion/ParamMAPA2.h"
#include "conversion/VysledekKonverze.h"
#include "link/ComConfig.h"
#include "link/Komunikace.h"
#include "link/qt/CasovacQt.h"
#include "ui/ZpravyOken.h"

#include <QAction>
#include <QApplication>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>

#include <filesystem>
#include <fstream>

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

// The parameters dialog on each of its tabs, as the main window opens it for an NTS-660.
void SnimekParametruMAPA2(TSnimkovac& s) {
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic)); // decimal comma
    TFormParamMAPA2 dialog(nullptr, 2);
    dialog.show();
    auto* zalozky = dialog.findChild<QTabWidget*>("PageControl");
    const char* jmena[] = {"param-mapa2-redukce", "param-mapa2-hlavicka", "param-mapa2-konverze"};
    for (int i = 0; i < zalozky->count(); ++i) {
        zalozky->setCurrentIndex(i);
        QApplication::processEvents();
        s.Uloz(&dialog, jmena[i]);
    }
    dialog.hide(); // not closed: that would write the settings
}

void SnimekVysledkuKonverze(TSnimkovac& s) {
    const auto soubor = std::filesystem::temp_directory_path() / "MERENI.zap";
    std::ofstream(soubor, std::ios::binary)
        << "Zak\xE1zka: ULICE 12  M\xEC\xF8il: TEAM1  Datum: 12.05.2003  10:15  "
           "P\xF8\xEDstroj: NTS-660  Atm. korekce: 15C 1013hPa  \r\n9999\r\n999999999\r\n"
           "100001\r\n1\r\n3\r\n0\r\n2\r\n1 5 1.560 * KOD\r\n4  25.500 1.500 0.0000 "
           "100.0000 * ZN\r\n6  50.000 1.500 200.0000 59.0334 * K1\r\n-1\r\n/\r\n-2\r\n";
    TFormVysledekKonverze okno(nullptr, soubor);
    s.Uloz(&okno, "vysledek-konverze");
    std::filesystem::remove(soubor);
}

// The communication settings dialog on a machine with COM1 and COM3 free and COM2 held by
// another program, the link at the settings a first start gives.
void SnimekNastaveniKomunikace(TSnimkovac& s) {
    TZpravyOken zpravy;
    TProstrediKomunikace prostredi;
    prostredi.VytvorCekani = [] {
        return std::unique_ptr<TCekaniNaData>();
    };
    prostredi.VytvorCasovac = [] {
        return std::make_unique<TCasovacQt>();
    };
    prostredi.Zpravy = &zpravy;
    TComDriver driver(std::move(prostredi));
    driver.SetBaudRate(br9600);
    TFormComConfig dialog(nullptr, driver, [](int n) {
        return n == 2   ? TSpPortState::psInUse
               : n <= 3 ? TSpPortState::psFree
                        : TSpPortState::psMissing;
    });
    s.Uloz(&dialog, "nastaveni-komunikace");
}

} // namespace

const TSnimekOkna kSnimkyOken[] = {
    {"zaklad", SnimekZakladu},
    {"zaklad-komunikace", SnimekZakladuSNabidkou},
    {"o-programu", SnimekOProgramu},
    {"param-mapa2", SnimekParametruMAPA2},
    {"vysledek-konverze", SnimekVysledkuKonverze},
    {"nastaveni-komunikace", SnimekNastaveniKomunikace},
};
const int kPocetSnimkuOken = int(std::size(kSnimkyOken));
