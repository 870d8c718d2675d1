// merivox-screenshots [--scale N] [--suffix S] [--platform P] FOLDER [WINDOW...]: renders the
// windows (all, or the ones named) to PNG files in FOLDER, offscreen unless told otherwise.
// merivox-screenshots --icon FILE.ico: writes the program icon for the Windows resources.
// merivox-screenshots --icon-png SIZE FILE.png: writes it for the Linux desktop's icon theme.
#include "Snimky.h"

#include "app/Obrazky.h"
#include "common/Slozky.h"
#include "ui/Cestina.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

int main(int argc, char** argv) {
    QString pripona;
    QString slozka;
    QString ikona;
    int stranaPng = 0;
    std::vector<QString> jmena;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--scale") && i + 1 < argc)
            qputenv("QT_SCALE_FACTOR", argv[++i]);
        else if (!std::strcmp(argv[i], "--icon") && i + 1 < argc)
            ikona = QString::fromLocal8Bit(argv[++i]);
        else if (!std::strcmp(argv[i], "--icon-png") && i + 2 < argc) {
            stranaPng = std::atoi(argv[++i]);
            ikona = QString::fromLocal8Bit(argv[++i]);
        } else if (!std::strcmp(argv[i], "--platform") && i + 1 < argc)
            qputenv("QT_QPA_PLATFORM", argv[++i]); // Wine passes no QT_ variables on
        else if (!std::strcmp(argv[i], "--suffix") && i + 1 < argc)
            pripona = QString::fromLocal8Bit(argv[++i]);
        else if (slozka.isEmpty())
            slozka = QString::fromLocal8Bit(argv[i]);
        else
            jmena.push_back(QString::fromLocal8Bit(argv[i]));
    }
    if (slozka.isEmpty() && ikona.isEmpty()) {
        std::fprintf(stderr, "usage: merivox-screenshots [--scale N] [--suffix S] "
                             "[--platform NAME] FOLDER "
                             "[WINDOW...]\n       merivox-screenshots --icon FILE.ico\n"
                             "       merivox-screenshots --icon-png SIZE FILE.png\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Windows write their settings when they close: not into the real settings file.
    QTemporaryDir docasna;
    PrepisCestuNastaveni(docasna.filePath("Merivex.ini").toStdString());

    QApplication aplikace(argc, argv);
    QApplication::setApplicationName("Merivox 2.0");
    QApplication::setWindowIcon(IkonaProgramu());
    NastavCestinu(aplikace);
    if (stranaPng)
        return UlozIkonuPng(stranaPng, ikona) ? 0 : 1;
    if (!ikona.isEmpty())
        return UlozIkonuWindows(ikona) ? 0 : 1;
    QDir().mkpath(slozka);

    TSnimkovac snimkovac(slozka, pripona);
    int nalezeno = 0;
    for (int i = 0; i < kPocetSnimkuOken; ++i) {
        const auto& okno = kSnimkyOken[i];
        if (!jmena.empty() && std::find(jmena.begin(), jmena.end(), okno.jmeno) == jmena.end())
            continue;
        ++nalezeno;
        okno.snimek(snimkovac);
    }
    if (nalezeno == 0) {
        std::fprintf(stderr, "no such window\n");
        return 2;
    }
    return snimkovac.Chyby() ? 1 : 0;
}
