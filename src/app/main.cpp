// Merivox: one instance per user, a Czech Qt application, the main window.
#include "app/Instance.h"
#include "app/Obrazky.h"
#include "app/Zaklad.h"
#include "serial/SpSyncCall.h"
#include "serial/qt/SpKurzorOtevirani.h"
#include "serial/qt/SpQtSyncUi.h"
#include "ui/Cestina.h"
#include "ui/ZpravyOken.h"

#include <QApplication>

int main(int argc, char** argv) {
    if (JizBezi())
        return 0; // the running instance has been brought to the front
    QApplication aplikace(argc, argv);
    QApplication::setApplicationName("Merivox 2.0");
    QApplication::setWindowIcon(IkonaProgramu());
    // The menu entry's id, by which a desktop matches the window to its entry and icon.
    QGuiApplication::setDesktopFileName("cz.merivox.Merivox");
    NastavCestinu(aplikace);
    // Port events reach the program on this thread; installed before the main window
    // creates the station link, removed after the window and its port are gone.
    TSpQtSyncUi synchronizace;
    synchronizace.OnException = [](std::exception_ptr chyba) {
        TZpravyOken(nullptr).Zprava(TDruhZpravy::dzVyjimka, SpTextVyjimky(chyba));
    };
    TSpSyncCallTable::Global().SetUi(&synchronizace);
    const TSpKurzorOtevirani kurzor; // a port opening for a transfer shows the wait cursor
    int vysledek = 0;
    {
        TFormZaklad okno;
        okno.show();
        okno.OhlasNastaveni();
        vysledek = QApplication::exec();
    }
    TSpSyncCallTable::Global().SetUi(nullptr);
    return vysledek;
}
