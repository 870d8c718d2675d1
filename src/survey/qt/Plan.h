// The site plan as the view draws it: stations and points in S-JTSK plane coordinates, the
// lines from each station to what it measured, and where the plan stands on a surface (a
// window, an image, a PDF page).
#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>

#include <vector>

struct TBodPlanu {
    QString Cislo;
    double Y = 0; // S-JTSK: Y grows westwards, X southwards
    double X = 0;
    bool Stanice = false;
};

// A line from station `Od` to point `Do` (indexes into TPlan::Body); an orienting observation
// is drawn apart from the others, as it ties the station to a known point.
struct TCaraPlanu {
    int Od = 0;
    int Do = 0;
    bool Orientacni = false;
};

struct TPlan {
    std::vector<TBodPlanu> Body;
    std::vector<TCaraPlanu> Cary;
};

// The map orientation of S-JTSK, north up and east right: -Y to the right, -X up. `Y`, `X` is
// the plane point at the surface's centre, `Meritko` the surface units a metre takes.
struct TPohledPlanu {
    double Y = 0;
    double X = 0;
    double Meritko = 1;

    QPointF NaPlochu(double y, double x, const QRectF& plocha) const {
        return {plocha.center().x() - (y - Y) * Meritko, plocha.center().y() + (x - X) * Meritko};
    }
    // The plane point under `misto`: .x() is Y, .y() is X.
    QPointF ZPlochy(QPointF misto, const QRectF& plocha) const {
        return {Y - (misto.x() - plocha.center().x()) / Meritko,
                X + (misto.y() - plocha.center().y()) / Meritko};
    }
};

// The whole plan centred on a surface of `rozmer` with `okraj` units free on every side; a
// single point or an empty plan stands at a metre to 20 units.
TPohledPlanu PohledNaCelyPlan(const TPlan& plan, QSizeF rozmer, double okraj);

// `pohled` zoomed `krat` times so that the plane point under `kolem` stays where it is.
TPohledPlanu Priblizeni(const TPohledPlanu& pohled, const QRectF& plocha, QPointF kolem,
                        double krat);
