// Merivox: one instance per user, a Czech Qt application, the main window.
#include "app/Instance.h"
#include "app/Obrazky.h"
#include "app/Zaklad.h"
#include "ui/Cestina.h"

#include <QApplication>

int main(int argc, char** argv) {
    if (JizBezi())
        return 0; // the running instance has been brought to the front
    QApplication aplikace(argc, argv);
    QApplication::setApplicationName("Merivox 2.0");
    QApplication::setWindowIcon(IkonaProgramu());
    NastavCestinu(aplikace);
    TFormZaklad okno;
    okno.show();
    return QApplication::exec();
}
