#include "conversion/Cisla.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
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

// Short numbers are read without from_chars: the value must be the same to the last bit, also
// at fifteen and sixteen digits, with leading zeros and for random measured values.
TEST(CtiCislo, ShortNumbersReadAsFromCharsReadsThem) {
    auto stejne = [](const std::string& text) {
        double ocekavane = 0;
        const char* zacatek = text.data() + (text[0] == '+' ? 1 : 0);
        std::from_chars(zacatek, text.data() + text.size(), ocekavane);
        const auto cislo = CtiCislo(text);
        ASSERT_TRUE(cislo) << text;
        EXPECT_EQ(std::bit_cast<std::uint64_t>(*cislo), std::bit_cast<std::uint64_t>(ocekavane))
            << text;
    };
    for (const char* text :
         {"0", "-0", "-0.0", "+7", "5.", "00012.3400", "0.1", "0.3", "123456789012345",
          "1234567890123456", "9007199254740993", "0.000000000000001", ".000000000000001",
          "999999999999999.9", "6400.0000", "-6400.00001"})
        stejne(text);
    std::mt19937_64 nahoda(27);
    for (int i = 0; i < 20000; ++i) {
        std::string text = (nahoda() & 1) ? "-" : "";
        text += std::to_string(nahoda() % 100000);
        if (nahoda() % 8 != 0)
            text += "." + std::to_string(nahoda() % 10000000000ULL).substr(0, 1 + nahoda() % 10);
        stejne(text);
    }
}

// Any text of digits, points, signs and a few other bytes is taken or refused as from_chars
// takes it (one sign, then a digit or the point), to the last bit: the short numbers are read eight
// bytes at once.
TEST(CtiCislo, EveryTextOfDigitsAndPointsReadsAsFromChars) {
    std::mt19937_64 nahoda(2026);
    const std::string abeceda = "0123456789012345678901234567890123456789....-+e /:";
    for (int i = 0; i < 300000; ++i) {
        std::string text(1 + nahoda() % 18, ' ');
        for (char& c : text)
            c = abeceda[nahoda() % abeceda.size()];
        const char* zacatek = text.data() + (text[0] == '+' ? 1 : 0);
        const char* konec = text.data() + text.size();
        const char* telo = text.data() + (text[0] == '+' || text[0] == '-' ? 1 : 0);
        double ocekavane = 0;
        const auto [kde, ec] = std::from_chars(zacatek, konec, ocekavane);
        const bool bere = telo != konec && ((*telo >= '0' && *telo <= '9') || *telo == '.') &&
                          ec == std::errc() && kde == konec && std::isfinite(ocekavane);
        const auto cislo = CtiCislo(text);
        ASSERT_EQ(cislo.has_value(), bere) << text;
        if (bere) {
            ASSERT_EQ(std::bit_cast<std::uint64_t>(*cislo), std::bit_cast<std::uint64_t>(ocekavane))
                << text;
        }
    }
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

// The quick three- and four-decimal paths (distances, the angles derived from HD lines)
// round exactly as the general formatter does, ties included.
TEST(PripojPevne, ThreeAndFourDecimalsAgreeWithTheGeneralFormatter) {
    std::vector<double> hodnoty{0.0625,        0.0635,      2.5e-4,       -2.5e-4,    1.0005,
                                45.6755836,    999999.9995, 999999.999,   99999.9995, -12.3456,
                                1e14 + 0.0625, 9.99e14,     0.0,          0.03125,    -0.00005,
                                399.99995,     99999.99995, 999999.99995, 1.5e-5,     -6e-5};
    // Both signs, every count of integer digits, thousandths on and between the exact ones.
    for (int i = 0; i < 20000; ++i)
        hodnoty.push_back(((i * 7919 % 100003) / 8192.0 - 6) * std::pow(10.0, i % 10 - 3));
    for (const int desetinna : {3, 4})
        for (double v : hodnoty) {
            char buffer[400];
            const auto [konec, ec] = std::to_chars(buffer, buffer + sizeof buffer, v,
                                                   std::chars_format::fixed, desetinna);
            std::string obecne(buffer, std::size_t(konec - buffer));
            if (obecne.find_first_not_of("-0.") == std::string::npos && obecne[0] == '-')
                obecne.erase(0, 1); // zero has no sign
            std::string s;
            ASSERT_TRUE(PripojPevne(s, v, desetinna));
            EXPECT_EQ(s, obecne) << v << " with " << desetinna;
        }
}
