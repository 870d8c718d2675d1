// What the window "Náhled měření" shows, ready for its controls: the computation's result
// turned into rows, plan and texts by NahledZVypoctu, so that the window only fills them in.
#pragma once

#include "survey/SeznamSouradnic.h"
#include "survey/qt/Plan.h"

#include <QString>
#include <QStringList>

#include <filesystem>
#include <optional>
#include <vector>

// One row of a tree table: a station with its measurements below it, or one measurement.
struct TRadekNahledu {
    QStringList Bunky;
    int BodPlanu = -1; // the row's point in the plan; -1: it has none
    std::vector<TRadekNahledu> Deti;
    bool Souradnice = false; // a station or a point's first determination: the coordinate list
};

struct TModelNahledu {
    QString Nadpis; // the measurement's file, or "Načtená data"
    TPlan Plan;
    // Číslo, Kód, Hz, V, SD, hd, dh, Y, X, Z, Poznámka: stations with their measurements.
    std::vector<TRadekNahledu> Mereni;
    // Stanice / bod, Oprava, Odchylka, Příčně, Délka: stations with their orienting observations.
    std::vector<TRadekNahledu> Orientace;
    QStringList Upozorneni; // what the surveyor should look at: damaged lines, repeats, notes
    QString Faktor;         // the factor used, in the locale's digits
    QStringList Protokol;   // the summary the PDF starts with
    bool Vypocteno = true;  // false: nothing to compute (Upozorneni say why)
    TSeznamSouradnic Body;  // the computed points, as "Exportovat…" hands them on
};

// What the user changes in the window; every change computes again.
struct TVolbyNahledu {
    std::optional<long double> Faktor; // typed; none: from the mean values
    bool ZakriveniARefrakce = true;
    std::vector<std::filesystem::path> ZnameBody; // known-points files, in the order added
};

// The column heads of the two tables.
QStringList SloupceMereni();
QStringList SloupceOrientace();
