#include "ui/Cestina.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool NastavCestinu(QCoreApplication& aplikace) {
    // The plain "C" locale means nobody chose one (a server, a container): the program's
    // users are Czech surveyors, so they get the Czech decimal comma and date format.
    if (QLocale::system().language() == QLocale::C)
        QLocale::setDefault(QLocale(QLocale::Czech, QLocale::Czechia));
    auto* preklad = new QTranslator(&aplikace);
    if (!preklad->load(QLocale(QLocale::Czech, QLocale::Czechia), "qtbase", "_",
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete preklad;
        return false;
    }
    return QCoreApplication::installTranslator(preklad);
}
