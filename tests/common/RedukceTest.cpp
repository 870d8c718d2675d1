#include "common/GlobalniFunkce.h"
#include "common/RozsahSJTSK.h"

#include <algorithm>

#include <gtest/gtest.h>

TEST(Redukce, DefaultSiteGivesTheKnownReductionsAndFactor) {
    const double jtsk = RedukceJTSK(1001000, 680000);
    const double horizont = RedukceHorizont(320);
    EXPECT_NEAR(jtsk, -2.7572006501, 1e-9);
    EXPECT_NEAR(horizont, -50.1734342673, 1e-9);
    EXPECT_NEAR(jtsk + horizont, -52.9306349174, 1e-9);
    EXPECT_NEAR(MeritkovyFaktor(jtsk, horizont), 0.99994706936508, 1e-13);
}

TEST(Redukce, ProjectionReductionIsZeroOutsideTheAreaAndBoundsAreInside) {
    EXPECT_NE(RedukceJTSK(890000, 680000), 0);
    EXPECT_EQ(RedukceJTSK(889999, 680000), 0);
    EXPECT_NE(RedukceJTSK(1380000, 680000), 0);
    EXPECT_EQ(RedukceJTSK(1380001, 680000), 0);
    EXPECT_NE(RedukceJTSK(1001000, 137000), 0);
    EXPECT_EQ(RedukceJTSK(1001000, 136999), 0);
    EXPECT_EQ(RedukceJTSK(800000, 680000), 0);
}

TEST(Redukce, WesternmostCornerKeepsItsReduction) {
    // The Aš region lies beyond Y = 890000; its reduction is about -69 mm/km, not 0.
    EXPECT_NEAR(RedukceJTSK(1000000, 905000), -68.864, 1e-3);
    EXPECT_NE(RedukceJTSK(1001000, 910000), 0);
    EXPECT_EQ(RedukceJTSK(1001000, 910001), 0);
}

TEST(Redukce, SeaLevelHasNoHorizonReduction) {
    EXPECT_EQ(RedukceHorizont(0), 0);
    EXPECT_EQ(MeritkovyFaktor(0, 0), 1);
    EXPECT_LT(RedukceHorizont(1000), RedukceHorizont(100));
}

// The factor range is derived, not typed in: every factor of the extent lies inside it, and
// it is no wider than the rounding to the dialog's seven decimals.
TEST(Redukce, FactorRangeHoldsEveryFactorTheExtentGivesAndNoMore) {
    double nejmensi = 2, nejvetsi = 0;
    const int kroku = 120;
    for (int i = 0; i <= kroku; ++i) {
        for (int j = 0; j <= kroku; ++j) {
            const double x = kRozsahX.Od + (kRozsahX.Do - kRozsahX.Od) * i / kroku;
            const double y = kRozsahY.Od + (kRozsahY.Do - kRozsahY.Od) * j / kroku;
            for (double h : {kRozsahVysky.Od, kRozsahVysky.Do}) {
                const double f = MeritkovyFaktor(RedukceJTSK(x, y), RedukceHorizont(h));
                nejmensi = std::min(nejmensi, f);
                nejvetsi = std::max(nejvetsi, f);
            }
        }
    }
    // The projection's true scale (0.9999) on the circle that crosses the area is its least.
    nejmensi = std::min(nejmensi, 1 + (-100 + RedukceHorizont(kRozsahVysky.Do)) * 1e-6);
    const TRozsah r = RozsahFaktoru();
    EXPECT_LE(r.Od, nejmensi);
    EXPECT_GE(r.Do, nejvetsi);
    EXPECT_GT(r.Od, nejmensi - 1.0001e-7);
    EXPECT_LT(r.Do, nejvetsi + 1.0001e-7);
    EXPECT_DOUBLE_EQ(r.Od, 0.9994768);
    EXPECT_DOUBLE_EQ(r.Do, 1.0021998);
}
