#include "survey/qt/Plan.h"

#include <QSizeF>

#include <algorithm>
#include <cmath>

TPohledPlanu PohledNaCelyPlan(const TPlan& plan, QSizeF rozmer, double okraj) {
    TPohledPlanu pohled;
    pohled.Meritko = 20;
    if (plan.Body.empty())
        return pohled;
    double minY = plan.Body.front().Y, maxY = minY;
    double minX = plan.Body.front().X, maxX = minX;
    for (const TBodPlanu& b : plan.Body) {
        minY = std::min(minY, b.Y);
        maxY = std::max(maxY, b.Y);
        minX = std::min(minX, b.X);
        maxX = std::max(maxX, b.X);
    }
    pohled.Y = (minY + maxY) / 2;
    pohled.X = (minX + maxX) / 2;
    const double sirka = std::max(1.0, rozmer.width() - 2 * okraj);
    const double vyska = std::max(1.0, rozmer.height() - 2 * okraj);
    const double dy = maxY - minY;
    const double dx = maxX - minX;
    // Points closer together than a millimetre are one point: a plan of 1 m at 20 units.
    if (dy < 1e-3 && dx < 1e-3)
        return pohled;
    pohled.Meritko = std::min(dy > 1e-3 ? sirka / dy : HUGE_VAL, dx > 1e-3 ? vyska / dx : HUGE_VAL);
    return pohled;
}

TPohledPlanu Priblizeni(const TPohledPlanu& pohled, const QRectF& plocha, QPointF kolem,
                        double krat) {
    const QPointF pod = pohled.ZPlochy(kolem, plocha);
    TPohledPlanu novy = pohled;
    novy.Meritko = std::clamp(pohled.Meritko * krat, 1e-4, 1e5);
    // The plane point under `kolem` must map to `kolem` again.
    const QPointF posun = (kolem - plocha.center()) / novy.Meritko;
    novy.Y = pod.x() + posun.x();
    novy.X = pod.y() - posun.y();
    return novy;
}
