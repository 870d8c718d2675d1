// The reduction formulas of the S-JTSK length correction.
#include "common/GlobalniFunkce.h"

#include <cmath>

namespace {
// The area of the Czech Republic in S-JTSK. Y reaches 910000 so that the westernmost corner
// (the Aš region, Y up to about 905000) keeps its projection reduction.
constexpr double kMinX = 890000;
constexpr double kMaxX = 1380000;
constexpr double kMinY = 137000;
constexpr double kMaxY = 910000;

// Radius of the projection's true-scale circle about the cone's apex, metres.
constexpr long double kPolomerNezkreslene = 1298039;
// Semi-major axis of the Bessel ellipsoid, metres.
constexpr long double kBesselA = 6377397.155L;
} // namespace

double RedukceJTSK(double x, double y) {
    if (x < kMinX || x > kMaxX || y < kMinY || y > kMaxY)
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
