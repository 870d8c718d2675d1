#include "survey/SeznamSouradnic.h"

#include <gtest/gtest.h>

TEST(SeznamSouradnicTest, ReadCoordinatesKeepTheirTextAndComputedOnesGetMillimetres) {
    struct {
        const char* text;
        bool je;
        const char* ulozeno;
        double hodnota;
    } const cteni[] = {
        {"1045123.4567", true, "1045123.4567", 1045123.4567},
        {"745123,40", true, "745123.40", 745123.40}, // a decimal comma reads as the upload reads it
        {"+12.5", true, "+12.5", 12.5},
        {"", false, "", 0},
        {"abc", false, "abc", 0},
        {"1e5", false, "1e5", 0},
        {"inf", false, "inf", 0},
    };
    for (const auto& c : cteni) {
        const TSouradnice s = SouradniceZTextu(c.text);
        EXPECT_EQ(s.Je, c.je) << c.text;
        EXPECT_EQ(s.Text, c.ulozeno) << c.text;
        EXPECT_DOUBLE_EQ(s.Hodnota, c.hodnota) << c.text;
    }
    EXPECT_EQ(SouradniceVypoctena(745123.40049).Text, "745123.400");
    EXPECT_EQ(SouradniceVypoctena(-0.0004).Text, "0.000");
    EXPECT_EQ(SouradniceVypoctena(-12.3456).Text, "-12.346");
}
