// Painting the site plan, shared by the plan widget, the PDF protocol and the benchmark.
#pragma once

#include "survey/qt/Plan.h"

#include <QFont>

class QPainter;

// How the plan is painted on one surface. `Jednotka` is the surface units of one screen pixel
// (1 in a window; more on a page of a high resolution), so that symbols and lines keep their
// look wherever they are drawn.
struct TStylPlanu {
    double Jednotka = 1;
    QFont Pismo;
    int Vybrany = -1; // the highlighted point, or -1
};

// Lines, points, stations, the numbers that fit without overlapping (stations first, then the
// selected point, then the points in order) and the selection, clipped to `plocha`. Returns
// how many numbers were written.
int KresliPlan(QPainter& malir, const TPlan& plan, const TPohledPlanu& pohled, const QRectF& plocha,
               const TStylPlanu& styl);

// A scale bar in the bottom-left corner of `plocha`: the round length (1, 2 or 5 times a power
// of ten metres) that takes at most `nejvyse` units, labelled.
void KresliMeritko(QPainter& malir, const TPohledPlanu& pohled, const QRectF& plocha,
                   double nejvyse, const TStylPlanu& styl);

// The round length in metres (1, 2 or 5 times a power of ten) not longer than `nejvyse`
// units at `meritko` units a metre.
double DelkaMeritka(double meritko, double nejvyse);
// "20 m", "0,5 m", "2 km".
QString TextDelky(double metru);
