#include "conversion/Cisla.h"

#include <gtest/gtest.h>

#include <charconv>
#include <limits>
#include <vector>

TEST(CtiCislo, ReadsDecimalNumbersWithPointOnly) {
    EXPECT_EQ(CtiCislo("45.678"), 45.678);
    EXPECT_EQ(CtiCislo("-0.100"), -0.1);
    EXPECT_EQ(CtiCislo("+2"), 2.0);
    EXPECT_EQ(CtiCislo(".5"), 0.5);
    EXPECT_EQ(CtiCislo("1e1"), 10.0);
    for (const char* spatne : {"", "1,5", "abc", "1.2.3", " 1", "1 ", "+-1", "-", "inf", "-inf",
                               "nan", "1e400", "0x10", "1e"})
        EXPECT_FALSE(CtiCislo(spatne)) << spatne;
}

TEST(PripojPevne, FixedDecimalsNoSignOnZeroNothingForNonFinite) {
    std::string s;
    EXPECT_TRUE(PripojPevne(s, 45.6755836, 3));
    EXPECT_EQ(s, "45.676");
    s.clear();
    EXPECT_TRUE(PripojPevne(s, -0.0001, 3));
    EXPECT_EQ(s, "0.000");
    s.clear();
    EXPECT_TRUE(PripojPevne(s, -0.0006, 3));
    EXPECT_EQ(s, "-0.001");
    s = "x";
    EXPECT_FALSE(PripojPevne(s, std::numeric_limits<double>::infinity(), 3));
    EXPECT_FALSE(PripojPevne(s, std::numeric_limits<double>::quiet_NaN(), 3));
    EXPECT_EQ(s, "x");
    s.clear();
    EXPECT_TRUE(PripojPevne(s, 1.7e308, 3));
    EXPECT_EQ(s.size(), 309u + 4u);
}

// The quick three-decimal path rounds exactly as the general formatter does, ties included.
TEST(PripojPevne, ThreeDecimalsAgreeWithTheGeneralFormatter) {
    std::vector<double> hodnoty{0.0625,      0.0635,   2.5e-4,        -2.5e-4, 1.0005, 45.6755836,
                                999999.9995, -12.3456, 1e14 + 0.0625, 9.99e14, 0.0};
    for (int i = 0; i < 20000; ++i)
        hodnoty.push_back((i * 7919 % 100003) / 8.0 / 1024.0 - 40);
    for (double v : hodnoty) {
        char buffer[400];
        const auto [konec, ec] =
            std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, 3);
        std::string obecne(buffer, std::size_t(konec - buffer));
        if (obecne == "-0.000")
            obecne = "0.000";
        std::string s;
        ASSERT_TRUE(PripojPevne(s, v, 3));
        EXPECT_EQ(s, obecne) << v;
    }
}
