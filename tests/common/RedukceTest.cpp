#include "common/GlobalniFunkce.h"

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
