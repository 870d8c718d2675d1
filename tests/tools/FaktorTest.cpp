// merivox-cli factor against an independent evaluation of the reduction formulas (the
// expanded polynomial, summed term by term) across the whole S-JTSK area.
#include "SlozkaTestu.h"

#include "Cli.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace {

long double Projekce(long double x, long double y) {
    if (x < 890000 || x > 1380000 || y < 137000 || y > 910000)
        return 0;
    const long double r = std::sqrt(x * x + y * y) - 1298039;
    const long double m = 0.9999L + 1.22822e-14L * std::pow(r, 2) - 3.154e-21L * std::pow(r, 3) +
                          1.848e-27L * std::pow(r, 4) - 1.15e-32L * std::pow(r, 5);
    return (m - 1) * 1e6L;
}

long double Horizont(long double h) {
    return (1 / std::sqrt(1 + 2 * h / 6377397.155L) - 1) * 1e6L;
}

// The four values printed, or none when the mean values are refused (exit status 2).
std::map<std::string, long double> Faktor(const std::string& nastaveni, double x, double y,
                                          double h, int status = kUspech) {
    std::ostringstream vystup, chyby;
    const TTerminal terminal{vystup, chyby, true};
    auto text = [](double v) {
        std::ostringstream s;
        s.precision(17);
        s << v;
        return s.str();
    };
    EXPECT_EQ(SpustCli({"factor", "--settings", nastaveni, "--x", text(x), "--y", text(y), "--h",
                        text(h)},
                       terminal),
              status)
        << chyby.str();
    std::map<std::string, long double> hodnoty;
    std::istringstream radky(vystup.str());
    std::string nazev, hodnota;
    while (radky >> nazev >> hodnota)
        hodnoty[nazev] = std::stold(hodnota);
    return hodnoty;
}

} // namespace

class FaktorCli : public TSlozkaTestu {};

TEST_F(FaktorCli, AgreesWithTheFormulasAcrossTheAreaAndRefusesBeyondItsBounds) {
    const std::string ini = (slozka_ / "Merivex.ini").string();
    std::vector<double> xs{889999, 890000, 1380000, 1380001};
    std::vector<double> ys{136999, 137000, 890000, 905000, 910000, 910001};
    for (int i = 0; i <= 14; ++i)
        xs.push_back(890000 + i * 35000);
    for (int i = 0; i <= 14; ++i)
        ys.push_back(137000 + i * (910000.0 - 137000) / 14);
    int body = 0;
    for (double x : xs) {
        for (double y : ys) {
            const double h = (body++ % 4) * 400.5;
            // Outside the area the dialog takes no value, and neither does the command.
            if (x < 890000 || x > 1380000 || y < 137000 || y > 910000) {
                EXPECT_TRUE(Faktor(ini, x, y, h, kSpatnePouziti).empty()) << x << " " << y;
                continue;
            }
            const auto v = Faktor(ini, x, y, h);
            ASSERT_EQ(v.size(), 4u);
            const long double p = Projekce(x, y);
            const long double z = Horizont(h);
            EXPECT_NEAR(v.at("RedukceJTSK"), p, 1e-6L) << x << " " << y;
            EXPECT_NEAR(v.at("RedukceHorizont"), z, 1e-6L) << h;
            EXPECT_NEAR(v.at("Redukce"), p + z, 1e-6L);
            EXPECT_NEAR(v.at("MeritkovyFaktor"), 1 + (p + z) * 1e-6L, 1e-12L);
        }
    }
}
