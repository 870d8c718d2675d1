#include "SlozkaTestu.h"

#include "common/Cp1250.h"
#include "conversion/Varianta.h"

#include <gtest/gtest.h>

TEST(JeSouborSouradnic, OnlyNts660DataWithoutNtsOnTheFirstLine) {
    auto souradnice = [](std::string_view text, TTypStanice typ) {
        TCteckaRadku r(TText{text});
        return JeSouborSouradnic(r, typ);
    };
    EXPECT_TRUE(souradnice("1,1000.000,2000.000,300.000,KOD\r\n", TTypStanice::tsNTS660));
    EXPECT_FALSE(souradnice("NTS-660\r\n1,2,3\r\n", TTypStanice::tsNTS660));
    EXPECT_FALSE(souradnice("xxNTSxx\r\n", TTypStanice::tsNTS660));
    EXPECT_TRUE(souradnice("nts\r\n", TTypStanice::tsNTS660)) << "case matters";
    EXPECT_FALSE(souradnice("", TTypStanice::tsNTS660)) << "an empty file is a measurement file";
    EXPECT_TRUE(souradnice("\r\nNTS-660\r\n", TTypStanice::tsNTS660)) << "an empty first line";
    EXPECT_FALSE(souradnice("1,2,3\r\n", TTypStanice::tsNTS350));
}

TEST(KontrolaNestandardnich, SilentForOtherTypesVariantsAndSwitchedOff) {
    const std::string text = "NTS-660\r\nUNITS F,D\r\nSS 5,-0.100\r\n";
    std::string varovani = "old";
    TCteckaRadku r(TText{text});
    EXPECT_FALSE(KontrolaNestandardnich(r, TTypStanice::tsNTS350, false, true, true, varovani));
    EXPECT_EQ(varovani, "");
    EXPECT_FALSE(KontrolaNestandardnich(r, TTypStanice::tsNTS660, true, true, true, varovani));
    EXPECT_FALSE(KontrolaNestandardnich(r, TTypStanice::tsNTS660, false, false, false, varovani));
    EXPECT_TRUE(KontrolaNestandardnich(r, TTypStanice::tsNTS660, false, true, true, varovani));
    EXPECT_EQ(varovani, Cz("Použity nestandardní jednotky!!\r\nŘádek 2-Použita nestandardní "
                           "výška!!\r\n"));
}

TEST(KontrolaNestandardnich, HeightCheckLooksAtAnyLineMentioningAMeasurement) {
    std::string varovani;
    // "SS" inside another word still counts; the tenth line is line 9.
    TCteckaRadku r(TText{"A\r\nB\r\nC\r\nD\r\nE\r\nF\r\nG\r\nH\r\nI\r\nSS 5,-0.100\r\n"
                         "NOTE MASS,5.000\r\nSTN 3,4.000\r\nSTN 3,4.0001\r\nBS 1,2,\r\n"});
    EXPECT_TRUE(KontrolaNestandardnich(r, TTypStanice::tsNTS660, false, false, true, varovani));
    EXPECT_EQ(varovani, Cz("Řádek 9-Použita nestandardní výška!!\r\n"
                           "Řádek 10-Použita nestandardní výška!!\r\n"
                           "Řádek 12-Použita nestandardní výška!!\r\n"));
}

// The height is field 2 of the second word exactly as the readers cut lines.
TEST(KontrolaNestandardnich, HeightIsTheSecondFieldOfTheSecondWord) {
    std::string varovani;
    TCteckaRadku r(TText{" SS 5,-1\r\n"      // 0: leading blank, the second word is "SS"
                         "SS 5,\r\n"         // 1: one field
                         "SS ,-1\r\n"        // 2: empty first field
                         "SS 5,,-1\r\n"      // 3: empty second field
                         "SS 5,-1,\r\n"      // 4
                         "SS\r\n"            // 5
                         "SS   7,9   x\r\n"  // 6: run of blanks
                         "SS 7,1.5 8,9\r\n"  // 7: later words ignored
                         "X SS 1,9,3\r\n"}); // 8: the second word is "SS"
    EXPECT_TRUE(KontrolaNestandardnich(r, TTypStanice::tsNTS660, false, false, true, varovani));
    EXPECT_EQ(varovani, Cz("Řádek 2-Použita nestandardní výška!!\r\n"
                           "Řádek 4-Použita nestandardní výška!!\r\n"
                           "Řádek 6-Použita nestandardní výška!!\r\n"));
}

// The words are found wherever they stand in a line of any length, in memory and in a file
// (whose lines are looked at sixteen bytes at a time, past their end), and a height warns by
// its value whatever its form.
TEST_F(TSlozkaTestu, NonstandardWordsAtEveryPlaceAndHeightsOfEveryForm) {
    std::string text, ocekavano;
    std::size_t radek = 0;
    auto pridej = [&](const std::string& r, bool varuje) {
        text += r + "\r\n";
        if (varuje)
            ocekavano += "Řádek " + std::to_string(radek) + "-Použita nestandardní výška!!\r\n";
        ++radek;
    };
    for (std::size_t misto = 0; misto <= 40; ++misto) {
        pridej(std::string(misto, 'x') + "SS 1,5", true);
        pridej(std::string(misto, 'x') + "STN 1,5", true);
        pridej("SD 1,5 " + std::string(misto, 'x') + "FS", true);
        pridej(std::string(misto, 'x') + "S 1,5 " + std::string(misto, 'S'), misto > 1);
    }
    for (const char* vyska : {"3.999", "0", "4", "4.000", "+1", "3.", "0.5x", ""})
        pridej(std::string("SS 1,") + vyska, false);
    for (const char* vyska : {"4.0001", "-0.000001", "1.5e9", "40", "4.5", "-1"})
        pridej(std::string("SS 1,") + vyska, true);
    const auto soubor = slozka_ / "vysky.sdt";
    ZapisSoubor(soubor, text);
    for (const bool zeSouboru : {false, true}) {
        std::string varovani;
        TCteckaRadku r = zeSouboru ? TCteckaRadku(soubor) : TCteckaRadku(TText{text});
        EXPECT_TRUE(KontrolaNestandardnich(r, TTypStanice::tsNTS660, false, true, true, varovani));
        EXPECT_EQ(varovani, Cz(ocekavano.c_str())) << (zeSouboru ? "file" : "memory");
    }
}
