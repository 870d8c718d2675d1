// The reduction formulas of the S-JTSK length correction.
#include "common/GlobalniFunkce.h"
#include "common/RozsahSJTSK.h"

#include <algorithm>
#include <cmath>

namespace {
// Radius of the projection's true-scale circle about the cone's apex, metres.
constexpr long double kPolomerNezkreslene = 1298039;
// Semi-major axis of the Bessel ellipsoid, metres.
constexpr long double kBesselA = 6377397.155L;
} // namespace

double RedukceJTSK(double x, double y) {
    if (!kRozsahX.Obsahuje(x) || !kRozsahY.Obsahuje(y))
        return 0;
    const long double lx = x;
    const long double ly = y;
    const double r = static_cast<double>(std::sqrt(lx * lx + ly * ly) - kPolomerNezkreslene);
    const long double R = r;
    // Kept nested: the order of evaluation fixes the last digits of the factor.
    const double m = static_cast<double>(
        0.9999L + 1e-14L * R * R *
                      (1.22822L - 1e-7L * R * (3.154L - 1e-6L * R * (1.848L - 1e-5L * R * 1.15L))));
    return static_cast<double>((static_cast<long double>(m) - 1) * 1000000);
}

double RedukceHorizont(double h) {
    const long double lh = h;
    return static_cast<double>((std::sqrt(1 / (1 + 2 * lh / kBesselA)) - 1) * 1000000);
}

double MeritkovyFaktor(double redukceJTSK, double redukceHorizont) {
    return static_cast<double>(1 +
                               (static_cast<long double>(redukceJTSK) + redukceHorizont) * 1e-6L);
}

namespace {

// The point at `t` (0 to 1) of the way along the area's edges from the corner nearest the
// projection's centre (least X and Y) over the corner of greatest X to the farthest one. The
// distance from the centre grows along it and takes every value the area holds.
void BodCesty(double t, double& x, double& y) {
    const double dx = kRozsahX.Do - kRozsahX.Od;
    const double dy = kRozsahY.Do - kRozsahY.Od;
    const double s = t * (dx + dy);
    x = kRozsahX.Od + std::min(s, dx);
    y = kRozsahY.Od + std::max(s - dx, 0.0);
}

double RedukceNaCeste(double t) {
    double x = 0, y = 0;
    BodCesty(t, x, y);
    return RedukceJTSK(x, y);
}

TRozsah SpoctiRozsahFaktoru() {
    // The projection's scale depends only on the distance from its centre: it is least on the
    // true-scale circle, which crosses the area, and grows both ways from it. So along the
    // path its least value is found by narrowing in, and the greatest lies at an end.
    double od = 0, po = 1;
    for (int i = 0; i < 200; ++i) {
        const double a = od + (po - od) / 3;
        const double b = po - (po - od) / 3;
        if (RedukceNaCeste(a) < RedukceNaCeste(b))
            po = b;
        else
            od = a;
    }
    const double nejmensiJTSK =
        std::min({RedukceNaCeste(od), RedukceNaCeste(0), RedukceNaCeste(1)});
    const double nejvetsiJTSK = std::max(RedukceNaCeste(0), RedukceNaCeste(1));
    // The horizon reduction falls as the altitude rises.
    const double nejmensi = MeritkovyFaktor(nejmensiJTSK, RedukceHorizont(kRozsahVysky.Do));
    const double nejvetsi = MeritkovyFaktor(nejvetsiJTSK, RedukceHorizont(kRozsahVysky.Od));
    return {std::floor(nejmensi * 1e7) / 1e7, std::ceil(nejvetsi * 1e7) / 1e7};
}

} // namespace

TRozsah RozsahFaktoru() {
    static const TRozsah rozsah = SpoctiRozsahFaktoru();
    return rozsah;
}
